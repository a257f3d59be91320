#pragma once

#include "common/icon_set.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace zr {

struct ProgramState;

// "Symbol auswählen": the icon chooser. Puts the chosen image key, or "abbr", into
// dialog_result and hides itself.
class Form51 final : public QDialog {
    Q_OBJECT
public:
    explicit Form51(ProgramState& state, QWidget* parent = nullptr);

    static constexpr int image_count = 55;

    std::array<QLabel*, image_count> Image1{};
    QPushButton* Abbrechen;

    // The chooser's picture list, in position order.
    const IconSet& ImageList2() const { return m_images; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void image1_mouse_move(int position);
    void image1_click(int position);
    void abbrechen_click();
    int position_of(const QObject* watched) const;

    ProgramState& m_state;
    IconSet m_images;
};

} // namespace zr
