#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace quorin {

// The user guide compiled into the program: its HTML, with a paragraph for
// every input of the main view made from the table of inputs, and the
// paragraph of each control by its anchor.
class GuideText {
public:
    GuideText();

    const QString& html() const { return html_; }

    // A control's anchor: its window's object name and its own, the brackets
    // of an index turned into a dash ("frmMain-txtSTART-0").
    static QString anchorOf(const QString& form, const QString& objectName);
    // The anchor of the paragraph that tells of a control: its own, or that
    // of its option group ("Option1(2)" is told of by "frmMain-Option1");
    // empty when the guide has none.
    QString anchorFor(const QWidget& control) const;

    // The paragraph at an anchor as HTML; empty when none.
    QString paragraph(const QString& anchor) const;
    // Its first sentence after the bold label, as plain text: the tool tip.
    QString firstSentence(const QString& anchor) const;

private:
    QString html_;
    QHash<QString, QString> paragraphs_;
};

} // namespace quorin
