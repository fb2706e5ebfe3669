#include "platform/TextLayout.h"

#include <algorithm>

namespace kestrom {

namespace {

constexpr int kTabColumns = 8;

struct Cell {
    QChar ch;
    bool underline = false;
};
using Cells = std::vector<Cell>;

std::vector<QString> splitLines(const QString& text, bool singleLine) {
    std::vector<QString> lines;
    if (singleLine) {
        lines.push_back(text);
        return lines;
    }
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.push_back(line);
            line.clear();
            continue;
        }
        line += ch;
    }
    lines.push_back(line);
    return lines;
}

Cells toCells(const QString& line, bool noPrefix) {
    Cells cells;
    bool marked = false;
    for (const QChar ch : line) {
        if (!noPrefix && ch == u'&' && !marked) {
            marked = true;
            continue;
        }
        // "&&" gives one "&", not underlined.
        cells.push_back(Cell{ch, marked && ch != u'&'});
        marked = false;
    }
    return cells;
}

class LineBuilder {
public:
    LineBuilder(const QFontMetrics& metrics, bool expandTabs)
        : metrics_(metrics), expandTabs_(expandTabs),
          tabWidth_(std::max(1, kTabColumns * metrics.averageCharWidth())) {}

    TextLine build(const Cells& cells, std::size_t from, std::size_t to) const {
        TextLine line;
        int x = 0;
        TextRun run;
        const auto flush = [&]() {
            if (!run.text.isEmpty()) {
                x = run.x + metrics_.horizontalAdvance(run.text);
                line.runs.push_back(run);
            }
            run = TextRun{x, QString(), {}};
        };
        for (std::size_t i = from; i < to; ++i) {
            const Cell& cell = cells[i];
            if (expandTabs_ && cell.ch == u'\t') {
                flush();
                x = (x / tabWidth_ + 1) * tabWidth_;
                run.x = x;
                continue;
            }
            if (cell.underline)
                run.underlined.push_back(run.text.size());
            run.text += cell.ch;
        }
        flush();
        line.width = x;
        return line;
    }

private:
    const QFontMetrics& metrics_;
    bool expandTabs_;
    int tabWidth_;
};

bool isBlank(const Cell& cell) {
    return cell.ch == u' ';
}

// Greedy breaking at blanks; blanks at a break belong to neither line.
void wrapInto(std::vector<TextLine>& lines, const Cells& cells, const LineBuilder& builder,
              int maxWidth) {
    std::size_t start = 0;
    do {
        std::size_t end = start;
        std::size_t fit = start;
        while (end < cells.size()) {
            std::size_t wordEnd = end;
            while (wordEnd < cells.size() && isBlank(cells[wordEnd]))
                ++wordEnd;
            while (wordEnd < cells.size() && !isBlank(cells[wordEnd]))
                ++wordEnd;
            if (fit > start && builder.build(cells, start, wordEnd).width > maxWidth)
                break;
            fit = wordEnd;
            end = wordEnd;
        }
        lines.push_back(builder.build(cells, start, fit));
        start = fit;
        while (start < cells.size() && isBlank(cells[start]))
            ++start;
    } while (start < cells.size());
}

} // namespace

std::vector<TextLine> LayOutText(const QString& text, const QFont& font,
                                 const TextLayoutOptions& options) {
    const QFontMetrics metrics(font);
    const LineBuilder builder(metrics, options.expandTabs);
    std::vector<TextLine> lines;
    for (const QString& source : splitLines(text, options.singleLine)) {
        const Cells cells = toCells(source, options.noPrefix);
        if (options.wordBreak && !options.singleLine)
            wrapInto(lines, cells, builder, options.maxWidth);
        else
            lines.push_back(builder.build(cells, 0, cells.size()));
    }
    return lines;
}

} // namespace kestrom
