#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zr {

// "Über Zonderel": product name, version and the link to the maker's home page.
class Form6 final : public QDialog {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label12;
    QLabel* Label2;
    QLabel* Image1;
    QLabel* Image4;
    QPushButton* Command1;

    static QString home_page();

signals:
    // The home page is to be opened as a web address.
    void home_page_clicked(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void command1_click();
};

} // namespace zr
