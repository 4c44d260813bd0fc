#include "wavetable/frmdefwaves.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "common/qt/buttonfocus.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "guide/guidetext.h"
#include "guide/installguide.h"
#include "wavetable/defaultwavesinput.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace quorin {

namespace {

// Where a control lies in the dialog's client area, in twips.
struct Place {
    const char* name;
    const char* text;
    int left, top, width, height;
};

constexpr int kClientWidth = 4680, kClientHeight = 1650;
constexpr Place kLabels[] = {
    { "Label1(0)", "Minimum Period Secs", 120, 180, 1605, 225 },
    { "Label1(2)", "Maximum Period Secs", 120, 510, 1635, 225 },
    { "Label1(1)", "Wave Steepness", 120, 840, 1395, 225 },
    { "Label1(5)", "Number of Waves", 150, 1170, 1455, 225 },
};
// In the order of the labels above.
constexpr Place kBoxes[] = {
    { "txtREAL(0)", "2.5", 1830, 150, 1000, 285 },
    { "txtREAL(2)", "14", 1830, 480, 1000, 285 },
    { "txtREAL(1)", "", 1830, 810, 1000, 285 },
    { "txtINTEG(0)", "20", 1830, 1140, 555, 285 },
};
constexpr Place kOK { "OKButton", "OK", 3150, 600, 1215, 375 };
constexpr Place kCancel { "CancelButton", "Cancel", 3180, 1110, 1215, 375 };

constexpr int kEnter = 13;

// The key code the boxes' key filters see: the character typed, Enter,
// Backspace or a Ctrl+letter (Ctrl+C is 3); none for a key that types no
// character (arrows, Delete, Home, Tab, Esc), which the box handles as usual.
std::optional<int> keyCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const auto modifiers = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::ControlModifier && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    if (modifiers != Qt::NoModifier || text.size() != 1 || !text[0].isPrint())
        return std::nullopt;
    return text[0].unicode();
}

// The captions keep to the widths the dialog is laid out with: a system font
// too large for them gives the whole dialog a smaller size rather than
// cutting them off.
template <typename ToPixels> void fitCaptions(QWidget& dialog, const ToPixels& x)
{
    constexpr double kSmallestPoints = 6.0;
    const auto fits = [&x](const QFont& font) {
        const QFontMetrics metrics(font);
        return std::ranges::all_of(kLabels, [&](const Place& label) {
            return metrics.horizontalAdvance(QString::fromLatin1(label.text)) <= x(label.width);
        });
    };
    QFont font = dialog.font();
    while (!fits(font) && font.pointSizeF() > kSmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    dialog.setFont(font);
}

} // namespace

frmDefWaves::frmDefWaves(DefaultWaveParameters& parameters, float& waveSteepness,
    Prompter& prompter, char decimalSymbol, QWidget* parent)
    : QDialog(parent)
    , parameters_(parameters)
    , waveSteepness_(waveSteepness)
    , prompter_(prompter)
    , decimalSymbol_(decimalSymbol)
{
    setObjectName(QStringLiteral("frmDefWaves"));
    setWindowTitle(QStringLiteral("Default Waves"));
    buildView();
    const GuideText guide;
    installGuide(*this, guide);
    bindGuideKey(*this, guide);
    txtREAL[1]->setText(qs(textForm(waveSteepness_, Precision::Single, decimalSymbol_)));
    OKButton->setFocus(Qt::OtherFocusReason);
}

void frmDefWaves::buildView()
{
    const auto x = [this](int twips) { return GridView::twipsToPixels(twips, logicalDpiX()); };
    const auto y = [this](int twips) { return GridView::twipsToPixels(twips, logicalDpiY()); };
    const auto place = [&](QWidget* widget, const Place& at) {
        widget->setObjectName(QString::fromLatin1(at.name));
        widget->setGeometry(x(at.left), y(at.top), x(at.width), y(at.height));
    };
    setFixedSize(x(kClientWidth), y(kClientHeight));

    OKButton = new QPushButton(QString::fromLatin1(kOK.text), this);
    CancelButton = new QPushButton(QString::fromLatin1(kCancel.text), this);
    place(OKButton, kOK);
    place(CancelButton, kCancel);
    std::array<QLineEdit*, 4> boxes {};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(kLabels[i].text), this);
        place(label, kLabels[i]);
        boxes[i] = new QLineEdit(QString::fromLatin1(kBoxes[i].text), this);
        place(boxes[i], kBoxes[i]);
        label->setBuddy(boxes[i]);
        boxes[i]->setAccessibleName(label->text());
        boxes[i]->installEventFilter(this);
    }
    fitCaptions(*this, x);
    txtREAL = { boxes[0], boxes[2], boxes[1] };
    txtINTEG = boxes[3];

    // OK, Cancel, then minimum period, steepness, maximum period, number of waves.
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, txtREAL[0]);
    setTabOrder(txtREAL[0], txtREAL[1]);
    setTabOrder(txtREAL[1], txtREAL[2]);
    setTabOrder(txtREAL[2], txtINTEG);

    for (QPushButton* button : { OKButton, CancelButton })
        takeFocusWhenPressed(button);
    connect(OKButton, &QPushButton::clicked, this, &frmDefWaves::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &frmDefWaves::reject);
}

void frmDefWaves::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmDefWaves::OKButtonClick()
{
    const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    const auto request = readDefaultWaveTexts(
        { text(txtINTEG), text(txtREAL[0]), text(txtREAL[2]), text(txtREAL[1]) }, decimalSymbol_);
    if (!request) {
        prompter_.tell(request.error().message, Prompter::Icon::Critical);
        if (auto* box = findChild<QLineEdit*>(qs(request.error().field)))
            box->setFocus(Qt::TabFocusReason);
        return;
    }
    parameters_ = request->parameters;
    waveSteepness_ = request->WaveSteepness;
    accept();
}

void frmDefWaves::reject()
{
    parameters_.NumDefaultWaves = 0;
    // A steepness the box has not checked yet (the close box) is not stored.
    if (const auto steepness = toSingleStrict(txtREAL[1]->text().toStdString(), decimalSymbol_))
        waveSteepness_ = *steepness;
    QDialog::reject();
}

bool frmDefWaves::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return boxKeyPress(box, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        box->selectAll();
        break;
    case QEvent::FocusOut: {
        // Only a move to another control of the dialog is a loss of the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (box != txtINTEG && reason != Qt::ActiveWindowFocusReason
            && reason != Qt::PopupFocusReason)
            realBoxFocusLost(box);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmDefWaves::boxKeyPress(QLineEdit* box, QKeyEvent* event)
{
    const auto code = keyCode(event);
    if (!code)
        return false;
    if (*code == kEnter) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QCoreApplication::sendEvent(box, &tab);
        return true;
    }
    const int kept = box == txtINTEG ? IntIn(*code) : RealIn(*code);
    if (kept == *code)
        return false;
    if (kept != 0)
        box->insert(QString(QChar(kept)));
    return true;
}

void frmDefWaves::realBoxFocusLost(QLineEdit* box)
{
    const QString checked = qs(ValidNum(box->text().toStdString(), decimalSymbol_));
    if (checked != box->text())
        box->setText(checked);
}

} // namespace quorin
