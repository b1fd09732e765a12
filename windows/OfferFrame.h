#pragma once

#include <QGroupBox>

class LinkLabel;

// The offer at the foot of the main and chart windows: two link labels of the same size at
// the same place, the co-branding offer in front of the full-branding one until the start-up
// draw says otherwise. Each window places the frame; what it offers is written here only.
class OfferFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit OfferFrame(QWidget* parent = nullptr);

    LinkLabel* cobrandLabel() const { return lblCobrand; }
    LinkLabel* fullBrandLabel() const { return lblFullBrand; }

private:
    LinkLabel* lblFullBrand;
    LinkLabel* lblCobrand;
};

// The start-up draw (drawCoBrandNumber): an odd number puts lblCobrand in front of its frame,
// an even one lblFullBrand.
void CoBrand_Randomize(QWidget* lblCobrand, QWidget* lblFullBrand);
