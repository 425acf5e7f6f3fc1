#pragma once

#include <QLabel>
#include <QStringList>

#include <functional>

namespace velmora {

// Breaks `text` into lines no wider than `width`, at blanks only: a number such as " .407"
// is never split, as the toolkit's own wrapping would do after its period. Blanks at a break
// are dropped; a word wider than `width` stands alone on its line. Line feeds in the text
// start a new line.
QStringList wrapAtBlanks(const QString& text, int width,
                         const std::function<int(const QString&)>& advance);

// A label whose text wraps at blanks only (see wrapAtBlanks). text() is the text as set.
class BlankWrapLabel : public QLabel {
    Q_OBJECT

public:
    explicit BlankWrapLabel(QWidget* parent = nullptr);

    // The lines as the label shows them at its present width, in shownFont().
    QStringList shownLines() const;
    // The label's font, or, for a text whose lines would not all fit its height, the largest
    // smaller one down to 70 % in which they do: a long message stays whole.
    QFont shownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList linesIn(const QFont& font) const;
};

} // namespace velmora
