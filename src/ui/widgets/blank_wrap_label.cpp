#include "ui/widgets/blank_wrap_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace velmora {

namespace {

void wrapParagraph(const QString& paragraph, int width,
                   const std::function<int(const QString&)>& advance, QStringList& lines) {
    QString line;
    bool broken = false; // the line starts after a break, so its blanks were dropped
    qsizetype i = 0;
    const qsizetype n = paragraph.size();
    while (i < n) {
        // One run of blanks followed by one word.
        qsizetype wordStart = i;
        while (wordStart < n && paragraph[wordStart] == QLatin1Char(' ')) {
            ++wordStart;
        }
        qsizetype wordEnd = wordStart;
        while (wordEnd < n && paragraph[wordEnd] != QLatin1Char(' ')) {
            ++wordEnd;
        }
        const QString blanks = paragraph.mid(i, wordStart - i);
        const QString word = paragraph.mid(wordStart, wordEnd - wordStart);
        if (broken && line.isEmpty()) {
            line = word;
        } else if (line.isEmpty() || advance(line + blanks + word) <= width) {
            line += blanks + word;
        } else {
            lines << line;
            line = word;
            broken = true;
        }
        i = wordEnd;
    }
    lines << line;
}

} // namespace

QStringList wrapAtBlanks(const QString& text, int width,
                         const std::function<int(const QString&)>& advance) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        wrapParagraph(paragraph, width, advance, lines);
    }
    return lines;
}

BlankWrapLabel::BlankWrapLabel(QWidget* parent) : QLabel(parent) {
    // The label wraps its own way (paintEvent), but says that it wraps, so that layouts
    // treat it as a text of several lines and never shrink it to fit one.
    setWordWrap(true);
}

QStringList BlankWrapLabel::linesIn(const QFont& font) const {
    const QFontMetrics metrics(font);
    const int width = contentsRect().width() - 2 * margin();
    return wrapAtBlanks(text(), width,
                        [&metrics](const QString& s) { return metrics.horizontalAdvance(s); });
}

QFont BlankWrapLabel::shownFont() const {
    const int height = contentsRect().height() - 2 * margin();
    const QFont base = font();
    QFont shown = base;
    const auto fits = [&](const QFont& f) {
        const QFontMetrics metrics(f);
        const auto lines = linesIn(f).size();
        return (lines - 1) * metrics.lineSpacing() + metrics.height() <= height;
    };
    if (base.pointSizeF() <= 0 || fits(base)) {
        return base;
    }
    for (double scale = 0.95; scale >= 0.7 - 1e-9; scale -= 0.05) {
        shown.setPointSizeF(base.pointSizeF() * scale);
        if (fits(shown)) {
            return shown;
        }
    }
    return shown;
}

QStringList BlankWrapLabel::shownLines() const {
    return linesIn(shownFont());
}

void BlankWrapLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFont font = shownFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int y = area.top();
    for (const QString& line : linesIn(font)) {
        if (y > area.bottom()) {
            break;
        }
        const QRect lineRect(area.left(), y, area.width(), metrics.height());
        style()->drawItemText(&painter, lineRect, int(alignment() & Qt::AlignHorizontal_Mask),
                              palette(), isEnabled(), line, foregroundRole());
        y += metrics.lineSpacing();
    }
}

} // namespace velmora
