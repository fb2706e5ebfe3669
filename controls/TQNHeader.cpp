#include "controls/TQNHeader.h"

#include "controls/Bevels.h"

namespace kestrom {

void TQNHeader::SetSections(std::vector<Section> sections) {
    sections_ = std::move(sections);
    Invalidate();
}

void TQNHeader::SetSectionWidth(int index, int width) {
    if (index < 0 || static_cast<std::size_t>(index) >= sections_.size())
        return;
    sections_[static_cast<std::size_t>(index)].width = width < 0 ? 0 : width;
    Invalidate();
    if (OnSized)
        OnSized(index, sections_[static_cast<std::size_t>(index)].width);
}

void TQNHeader::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(clSilver);
    int x = 0;
    for (const Section& s : sections_) {
        c.FillRect({x, 0, x + s.width, Height()});
        DrawBevel(c, x, 0, x + s.width, Height(), clWhite, clGray);
        TRect text{x + 4, 0, x + s.width - 4, Height()};
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.DrawText(s.text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        x += s.width;
    }
    if (x < Width())
        c.FillRect({x, 0, Width(), Height()});
}

} // namespace kestrom
