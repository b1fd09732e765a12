#include "OfferFrame.h"

#include "CoBrand.h"
#include "LinkLabel.h"

namespace {

LinkLabel* offerLabel(QWidget* frame, const char* name, const char* text)
{
    auto* label = new LinkLabel(QString::fromLatin1(text), frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(8, 11, 463, 41);
    return label;
}

} // namespace

OfferFrame::OfferFrame(QWidget* parent)
    : QGroupBox(parent),
      lblFullBrand(offerLabel(this, "lblFullBrand",
                              "Home Business Opportunity. Start your own Internet business and "
                              "make money online. Get this software fully branded for your "
                              "website. Click here for more details.")),
      // Created second, so it starts in front.
      lblCobrand(offerLabel(this, "lblCobrand",
                            "Co-brand this software for your site.  Increase loyalty and "
                            "traffic to your site. Put your site's name &  link here. See "
                            "\"Help\" for details.    Click Here for more info on co-branding."))
{
}

void CoBrand_Randomize(QWidget* lblCobrand, QWidget* lblFullBrand)
{
    if (drawCoBrandNumber())
        lblCobrand->raise();
    else
        lblFullBrand->raise();
}
