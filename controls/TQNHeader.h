#pragma once

#include "controls/TWinControl.h"

#include <QString>

#include <functional>
#include <vector>

namespace kestrom {

// A column header: sections with text and width, resized by dragging. It never erases its
// background, so that resizing does not flicker.
class TQNHeader : public TWinControl {
public:
    struct Section {
        QString text;
        int width = 0;
    };

    TQNHeader() = default;

    const std::vector<Section>& Sections() const { return sections_; }
    void SetSections(std::vector<Section> sections);
    void SetSectionWidth(int index, int width);

    // The erase-background message: swallowed without drawing and not answered as handled.
    int EraseBackgroundMessage() const { return 0; }
    void Paint();

    // After a section was resized by dragging: its index and new width.
    std::function<void(int index, int width)> OnSized;

private:
    std::vector<Section> sections_;
};

} // namespace kestrom
