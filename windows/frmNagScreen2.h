#pragma once

#include "WindowSlot.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <memory>

class QKeyEvent;
namespace Ui {
class frmNagScreen2;
}

// The four support appeals; one is drawn each time the farewell window is created.
extern const std::array<const char*, 4> SupportAppeal;

// The farewell window: a support appeal, the maker's other programs and the refer-a-friend
// form. It stays above ordinary windows, and closing it in any way ends the program.
class frmNagScreen2 : public QWidget, public WindowSlot<frmNagScreen2> {
    Q_OBJECT
public:
    ~frmNagScreen2() override;

    // Brings the window up as the active one, with Exit holding the focus.
    void showFarewell();

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload
    // Focus and key rules of the refer-a-friend fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class WindowSlot<frmNagScreen2>;
    frmNagScreen2();

    void Form_Load();
    void fitCatalogueLink();
    void cmdClose_Click();
    void Check1_Click(bool checked);

    QString messageText() const;
    QString fieldText(QWidget* field) const;
    void setFieldText(QWidget* field, const QString& text);
    void Field_GotFocus(QWidget* field);
    void Field_LostFocus(QWidget* field);
    bool EmailField_KeyPress(QWidget* field, const QKeyEvent* event);
    void cmdSubmit_Click();

    std::unique_ptr<Ui::frmNagScreen2> ui;
    // Each refer-a-friend field with the text it shows while nothing is filled in.
    QHash<const QWidget*, QString> placeholderOf;
};
