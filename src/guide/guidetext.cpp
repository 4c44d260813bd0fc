#include "guide/guidetext.h"

#include "common/qt/widgethelpers.h"
#include "run/directions.h"
#include "run/inputtable.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>

namespace quorin {

namespace {

// Where the guide takes what the tables of inputs and directions give.
constexpr QLatin1StringView kInputsMark("<!-- inputs of the main view -->");
constexpr QLatin1StringView kDirectionsMark("<!-- direction options -->");
constexpr QLatin1StringView kOptionsMark("<!-- options of the inputs -->");

QString escaped(std::string_view text)
{
    return qs(text).toHtmlEscaped();
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
                            escaped(field.name()), escaped(field.help),
                            QStringLiteral("<code>%1</code>").arg(escaped(field.batchUsage())));
        }
    }
    return html;
}

// The options of "Number of Directions" and the angles of their directions.
QString directionTable()
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                                  "<tr><th>Option</th><th>quorin-batch</th><th>Directions</th>"
                                  "<th>Angles before the start direction is added</th></tr>\n");
    for (const DirectionOption& option : kDirectionOptions) {
        QStringList angles;
        for (int k = 0; k < option.count; ++k)
            angles << QString::number(k * option.step);
        html += QStringLiteral(
            "<tr><td>%1</td><td><code>%2</code></td><td>%3</td><td>%4</td></tr>\n")
                    .arg(escaped(option.caption), escaped(option.name))
                    .arg(option.count)
                    .arg(angles.join(QStringLiteral(", ")));
    }
    return html + QStringLiteral("</table>");
}

// A row of quorin-batch's table of options for each input, in the order
// they are applied.
QString optionRows()
{
    QString html;
    for (const InputField& field : inputFields()) {
        const QString anchor = field.kind == InputKind::WaveFile ? QStringLiteral("wave-table")
            : field.kind == InputKind::DefaultWaves
            ? QStringLiteral("default-waves")
            : GuideText::anchorOf(QStringLiteral("frmMain"), qs(field.objectName));
        const QString frame = field.frame.empty()
            ? QString()
            : QStringLiteral(" of \"%1\"").arg(escaped(field.frame));
        html += QStringLiteral(
            "<tr><td><code>%1</code></td><td><a href=\"#%2\">%3</a>%4: %5</td></tr>\n")
                    .arg(escaped(field.batchUsage()), anchor, escaped(field.name()), frame,
                        escaped(field.help));
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
    html_.replace(kDirectionsMark, directionTable());
    html_.replace(kOptionsMark, optionRows());

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
