#pragma once

#include "common/prompter.h"
#include "wavetable/defaultwaves.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace quorin {

// The Default Waves dialog: the number of waves, the minimum and maximum
// period and the wave steepness for Generate Default Waves. Its boxes filter
// the keys typed (RealIn, IntIn), a real box that cannot be read turns into
// "0" when it loses the focus (ValidNum), and Enter moves the focus on. OK
// stores the four values, or refuses them with a message and stays open;
// Cancel, Esc and the close box store 0 waves and the steepness typed.
class frmDefWaves : public QDialog {
    Q_OBJECT
public:
    // The steepness box shows waveSteepness; OK and Cancel store into
    // parameters and waveSteepness, which must outlive the dialog.
    frmDefWaves(DefaultWaveParameters& parameters, float& waveSteepness, Prompter& prompter,
        char decimalSymbol, QWidget* parent = nullptr);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildView();
    void OKButtonClick();
    bool boxKeyPress(QLineEdit* box, QKeyEvent* event);
    void realBoxFocusLost(QLineEdit* box);

    DefaultWaveParameters& parameters_;
    float& waveSteepness_;
    Prompter& prompter_;
    char decimalSymbol_;

    std::array<QLineEdit*, 3> txtREAL {};
    QLineEdit* txtINTEG = nullptr; // element 0
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace quorin
