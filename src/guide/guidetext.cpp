#include "guide/guidetext.h"

#include "common/qt/widgethelpers.h"
#include "run/inputtable.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>

namespace quorin {

namespace {

// Where the guide takes the paragraphs of the main view's inputs.
constexpr QLatin1StringView kInputsMark("<!-- inputs of the main view -->");

QString escaped(std::string_view text)
{
    return qs(text).toHtmlEscaped();
}

// How quorin-batch sets an input.
QString batchUse(const InputField& field)
{
    const QString option = escaped(field.option);
    switch (field.kind) {
    case InputKind::Switch:
        return QStringLiteral("<code>--%1</code> or <code>--no-%1</code>").arg(option);
    case InputKind::OnOff:
        return QStringLiteral("<code>--%1 on|off</code>").arg(option);
    case InputKind::Choice: {
        QStringList names;
        for (const Choice& choice : field.choices)
            names << escaped(choice.name);
        return QStringLiteral("<code>--%1 %2</code>").arg(option, names.join(QLatin1Char('|')));
    }
    default:
        return QStringLiteral("<code>--%1 TEXT</code>").arg(option);
    }
}

// The paragraphs of the main view's inputs under the headings of their frames.
QString inputParagraphs()
{
    const std::pair<std::string_view, const char*> groups[] = {
        { {}, "<h3 id=\"main-run-inputs\">Run set-up</h3>" },
        { "Global Assessments", "<h3 id=\"main-global-inputs\">Global Assessments</h3>" },
        { "Selective Assessments", "<h3 id=\"main-selective-inputs\">Selective Assessments</h3>" },
    };
    QString html;
    for (const auto& [frame, heading] : groups) {
        html += QLatin1StringView(heading) + QLatin1Char('\n');
        for (const InputField& field : inputFields()) {
            if (field.objectName.empty() || field.frame != frame)
                continue;
            html += QStringLiteral("<p id=\"%1\"><b>%2</b> %3 In quorin-batch: %4.</p>\n")
                        .arg(GuideText::anchorOf(QStringLiteral("frmMain"), qs(field.objectName)),
                            escaped(field.name()), escaped(field.help), batchUse(field));
        }
    }
    return html;
}

} // namespace

GuideText::GuideText()
{
    QFile file(QStringLiteral(":/guide/guide.html"));
    if (file.open(QIODevice::ReadOnly))
        html_ = QString::fromUtf8(file.readAll());
    html_.replace(kInputsMark, inputParagraphs());

    // Every control paragraph stands on a line of its own.
    const QRegularExpression paragraphs(QStringLiteral("<p id=\"([^\"]+)\">.*?</p>"));
    for (auto it = paragraphs.globalMatch(html_); it.hasNext();) {
        const auto match = it.next();
        paragraphs_.insert(match.captured(1), match.captured(0));
    }
}

QString GuideText::anchorOf(const QString& form, const QString& objectName)
{
    QString name = objectName;
    name.replace(QLatin1Char('('), QLatin1Char('-')).remove(QLatin1Char(')'));
    return form + QLatin1Char('-') + name;
}

QString GuideText::anchorFor(const QWidget& control) const
{
    const QString form = control.window()->objectName();
    const QString own = anchorOf(form, control.objectName());
    if (paragraphs_.contains(own))
        return own;
    const qsizetype bracket = control.objectName().indexOf(QLatin1Char('('));
    const QString group
        = bracket > 0 ? anchorOf(form, control.objectName().left(bracket)) : QString();
    return paragraphs_.contains(group) ? group : QString();
}

QString GuideText::paragraph(const QString& anchor) const
{
    return paragraphs_.value(anchor);
}

QString GuideText::firstSentence(const QString& anchor) const
{
    const QRegularExpression label(QStringLiteral("^<p[^>]*><b>.*?</b>\\s*"));
    QString body = paragraph(anchor);
    body.remove(label);
    const QString text = QTextDocumentFragment::fromHtml(body).toPlainText().simplified();
    const qsizetype end = text.indexOf(QLatin1StringView(". "));
    return end < 0 ? text : text.left(end + 1);
}

} // namespace quorin
