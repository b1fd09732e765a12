#pragma once

#include <QGroupBox>

// A group box whose title has a font of its own. Giving the box itself the title's font would
// hand it on to every control inside, and each would need its own font set back, which for a
// list box means building its drop-down ahead of time.
class TitleFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit TitleFrame(QWidget* parent = nullptr);

    void setTitleFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont titleFont;
};
