#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <vector>

namespace kestrom {

// A piece of a laid-out line between tab stops: text drawn from x (relative to the line's
// start), with the positions of the characters that "&" marked for underlining.
struct TextRun {
    int x = 0;
    QString text;
    std::vector<qsizetype> underlined;
};

struct TextLine {
    std::vector<TextRun> runs;
    int width = 0;
};

// How DrawText breaks and measures text: lines end at CR LF, a lone CR or LF (unless
// singleLine); "&" marks the next character as underlined and "&&" is one "&" (unless
// noPrefix); tabs stop every eight average character widths (when expandTabs); wordBreak
// breaks lines at blanks so that they fit maxWidth, a word wider than that on a line of its
// own.
struct TextLayoutOptions {
    bool singleLine = false;
    bool noPrefix = false;
    bool expandTabs = false;
    bool wordBreak = false;
    int maxWidth = 0;
};

std::vector<TextLine> LayOutText(const QString& text, const QFont& font,
                                 const TextLayoutOptions& options);

} // namespace kestrom
