#pragma once

// The page of the Upgrade tab that shows. The device search keeps the Upgrade tab's pages; the
// camera menu keys drive the Preview page's camera while that page shows.
class UpgradePages
{
public:
    virtual ~UpgradePages() = default;
    virtual bool preview_page_open() const = 0;
};
