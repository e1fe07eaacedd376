#pragma once

// A wizard page whose controls the settings file keeps: the page puts its values into the
// section record the file's key rows read, and shows the stored ones (in the order the file is
// read: a slider before its label, so the slider's own change cannot overwrite the label).
template <class Section>
class StoredOptions
{
public:
    virtual ~StoredOptions() = default;
    virtual void store_options(Section &section) const = 0;
    virtual void show_options(const Section &section) = 0;
};
