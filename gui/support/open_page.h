#pragma once

// The main tab the installer stands on. The tab layout keeps the tab bar; the features whose
// work depends on the page that shows (a reply without a sender, the camera menu keys, the
// region overlays) ask it.
class OpenPage
{
public:
    enum class Page { Teacher, Student, Board, Upgrade, Other };

    virtual ~OpenPage() = default;
    virtual Page open_page() const = 0;
    // The tab bar's current index (the Board tab, where there is one, is index 2).
    virtual int open_index() const = 0;
};
