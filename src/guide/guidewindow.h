#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;

namespace quorin {

class GuideText;

// The user guide's window: the contents on the left, the guide on the right,
// a Find box above them, and a notice line above all when there is one.
class GuideWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own that belongs to `owner`, so that a modal owner
    // leaves it usable.
    GuideWindow(const GuideText& guide, QWidget& owner);

    // The guide window of `owner`, made on first use, shown and raised at
    // the paragraph of `anchor` (the top when it is empty).
    static GuideWindow& showFor(QWidget& owner, const GuideText& guide, const QString& anchor);

    // Scrolls to the heading or paragraph of `anchor` and selects it.
    void showAnchor(const QString& anchor);
    // A line above the guide; hidden when the text is empty.
    void setNotice(const QString& text);
    // Selects the next place (or previous) of the Find box's text, going on
    // round the end of the guide; false, and a line saying so, when the
    // guide does not hold it.
    bool findText(bool forward);

    QTextBrowser* browser() const { return browser_; }

private:
    void buildView(const GuideText& guide);
    void fillContents();

    QLabel* notice_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* findStatus_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

} // namespace quorin
