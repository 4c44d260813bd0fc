#include "mainform/frmmain.h"

#include "common/qt/widgethelpers.h"
#include "run/inputtable.h"

#include <QRadioButton>

#include <array>
#include <vector>

// The main view's keyboard: the Tab order and the option groups.
namespace quorin {

namespace {

// Each frame read as a page: row by row, left to right; an option group (by
// its array's name) takes one stop, its selected option.
// clang-format off
constexpr std::array kReadingOrder {
    "txtBATNAM",
    "Option1",
    "Option6", "Command1",
    "txtRETURN", "txtBLOCKS", "Check2", "txtSTART(0)", "Check3",
    "txtSTARTDIR", "txtSCF", "txtSTRESS",
    "chkJOINTS(0)", "txtCurve(0)", "chkJOINTS(1)", "txtCurve(1)", "Text1(3)", "Text1(2)",
        "Check1(0)", "txtSTART(1)", "cmdCREATE(0)",
    "chkJOINTS(2)", "txtCurve(2)", "txtSTART(4)", "chkJOINTS(3)", "txtCurve(3)", "Text1(0)",
        "Text1(1)", "Check1(1)", "Option5", "txtSTART(5)", "txtSTART(3)", "txtDesc", "cmdCREATE(1)",
    "txtWAVESTEP", "cmdUNDO", "txtDEPTH", "cmdREDO", "Command2(0)", "Command2(2)",
        "Command2(1)", "Grid2", "Command3",
        "Command4(0)", "Command4(1)",
    "cmdREPORT", "cmdHELP", "cmdQUIT", "cmdCHANGES",
};
// clang-format on

// Only the selected option of a group takes the focus by Tab.
void tabToSelected(QRadioButton* selected)
{
    for (QRadioButton* option :
        selected->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        option->setFocusPolicy(option == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

void frmMain::setReadingOrder()
{
    std::vector<QWidget*> order;
    for (const char* name : kReadingOrder) {
        if (const InputField* group = findInput(name); group && group->kind == InputKind::Choice) {
            for (const Choice& choice : group->choices)
                if (!choice.caption.empty())
                    order.push_back(control<QWidget>(indexed(name, choice.element)));
        } else {
            order.push_back(control<QWidget>(QString::fromLatin1(name)));
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Tabbing into an option group lands on its selected option, so that
    // Space there changes nothing; the arrow keys move between its options.
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        connect(option, &QAbstractButton::toggled, this, [option](bool checked) {
            if (checked)
                tabToSelected(option);
        });
        if (option->isChecked())
            tabToSelected(option);
    }
}

} // namespace quorin
