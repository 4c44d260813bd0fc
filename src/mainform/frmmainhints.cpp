#include "mainform/frmmain.h"

#include "common/numberformat.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "mainform/inputhints.h"
#include "run/inputtable.h"

#include <QLineEdit>

// What Create and Append will read from a box or a wave cell when it differs
// from what shows: the box or cell is tinted and its tool tip says how it is
// read. A display only: nothing is refused and nothing written changes.
namespace quorin {

namespace {

// The theme's base colour leaning towards amber, light or dark theme alike.
QColor hintTint(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor amber(255, 176, 0);
    const auto mix = [](int a, int b) { return (2 * a + b) / 3; };
    return QColor(mix(base.red(), amber.red()), mix(base.green(), amber.green()),
        mix(base.blue(), amber.blue()));
}

QString sentence(const std::string& hint)
{
    QString text = QString::fromStdString(hint);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + QLatin1Char('.');
}

} // namespace

void frmMain::bindInputHints()
{
    for (const InputField& field : inputFields()) {
        if (field.kind != InputKind::Text)
            continue;
        auto* box = control<QLineEdit>(qs(field.objectName));
        connect(box, &QLineEdit::textChanged, this, [this, box] { showBoxHint(box); });
        showBoxHint(box);
    }
    connect(Grid2->model(), &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
            if (roles.contains(Qt::DisplayRole))
                showWaveHints();
        });
    showWaveHints();
}

void frmMain::showBoxHint(QLineEdit* box)
{
    const auto hint = boxHint(box->objectName().toStdString(), box->text().toStdString(),
        platform_.numberFormat.decimalSymbol());
    QPalette palette;
    if (hint)
        palette.setColor(QPalette::Base, hintTint(palette));
    box->setPalette(palette);
    // What the box is for, then how it will be read.
    const InputField* field = findInput(box->objectName().toStdString());
    const QString help = field ? qs(field->help) : QString();
    box->setToolTip(hint ? help + QLatin1Char('\n') + sentence(*hint) : help);
}

void frmMain::showWaveHints()
{
    std::vector<CellNote> notes;
    for (const CellHint& hint : waveHints(waves_))
        notes.push_back({ hint.row, hint.col, sentence(hint.text) });
    Grid2->setCellNotes(notes, hintTint(Grid2->palette()));
}

} // namespace quorin
