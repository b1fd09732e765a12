#include "frmNagScreen2.h"

#include "Appearance.h"
#include "Identity.h"
#include "Placement.h"
#include "Platform.h"
#include "TrimBlanks.h"
#include "WebLinks.h"
#include "modHelp.h"
#include "modTellAFriend.h"
#include "ui_frmNagScreen2.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>

namespace {

void showError(const char* text)
{
    Platform::showMessage(Platform::Message{QString::fromLatin1(text), Platform::Icon::Critical});
}

// Focus that leaves or returns with the whole window (a message box opening over it, a menu
// popping up) is no move between the controls, so the field rules leave it alone.
bool movesBetweenControls(const QEvent* event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void applyDesign(frmNagScreen2* window, Ui::frmNagScreen2& ui)
{
    using namespace Appearance;
    const QColor navy(0, 0, 128);
    const QColor white(255, 255, 255);
    setBackground(window, white);
    setFont(window, Family::MsSansSerif, 11);
    for (QWidget* frame : {ui.Frame6, ui.Frame2}) {
        setBackground(frame, navy);
        setFont(frame, Family::Verdana, 13, Bold);
        setTextColour(frame, white);
    }
    setFont(ui.lblGoToHome, Family::Verdana, 12, Bold | Underline);
    setTextColour(ui.lblGoToHome, QColor(255, 255, 0));
    ui.lblGoToHome->setWordWrap(false);           // one line, unless fitCatalogueLink finds no room
    ui.lblGoToHome->setAutoFillBackground(false); // it may overlap the paragraph's last line
    setFont(ui.Label3, Family::Verdana, 12);
    setTextColour(ui.Label3, white);
    const std::initializer_list<QWidget*> fields = {ui.txtName, ui.txtEmail, ui.txtFriendEmail,
                                                    ui.txtFriendName, ui.txtMessage};
    for (QWidget* field : fields) {
        setFont(field, Family::MsSansSerif, 11);
        setTextColour(field, Qt::black);
    }
    setFont(ui.cmdSubmit, Family::Verdana, 11, Bold);
    setTextColour(ui.cmdSubmit, Qt::black);
    setFont(ui.Check1, Family::Verdana, 19);
    setTextColour(ui.Check1, QColor(0, 0, 192));
    setFont(ui.Label2, Family::Verdana, 13, Bold);
    setBackground(ui.Label2, white);
    setFont(ui.lblNagScreen2Caption, Family::MsSansSerif, 24);
}

} // namespace

const std::array<const char*, 4> SupportAppeal = {
    "Programs like this one can only be created and maintained with your support. The best way to "
    "support them is to visit the Quillmere Forum at www.quillmereforum.example regularly and join "
    "in its discussions and other activities.",
    "Please visit the Quillmere Forum at www.quillmereforum.example regularly and support it by "
    "taking part in its discussions and other activities. Our programs cannot be supported or "
    "maintained without such visits.",
    "The Quillmere Forum is a free online discussion forum on esoteric topics. Visit "
    "www.quillmereforum.example regularly to help it build and maintain this program.",
    "Your help is needed at the Quillmere Forum. Visit www.quillmereforum.example regularly and "
    "take part in its discussions and activities, so that it can maintain and develop more "
    "Quillmere programs.",
};

frmNagScreen2::frmNagScreen2() : ui(std::make_unique<Ui::frmNagScreen2>())
{
    Appearance::pinDesignPalette(this);
    ui->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint); // above ordinary windows, a browser included

    applyDesign(this, *ui);
    // The message field shows the placeholder's CR LF line end as a line break.
    ui->txtMessage->setPlainText(QStringLiteral("Your Message\n"));
    placeholderOf = {{ui->txtName, QStringLiteral("Your Name")},
                     {ui->txtEmail, QStringLiteral("Your Email Address")},
                     {ui->txtMessage, QStringLiteral("Your Message")},
                     {ui->txtFriendName, QStringLiteral("Friend's Name")},
                     {ui->txtFriendEmail, QStringLiteral("Friend's Email Address")}};
    for (QWidget* field : std::initializer_list<QWidget*>{ui->txtName, ui->txtEmail, ui->txtMessage,
                                                          ui->txtFriendName, ui->txtFriendEmail})
        field->installEventFilter(this);

    connect(ui->cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(ui->Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connectWebLinks(this);

    Form_Load();
    fitCatalogueLink();
    ui->cmdClose->setFocus();
    centreOnScreen(this);
}

frmNagScreen2::~frmNagScreen2() = default;

void frmNagScreen2::Form_Load()
{
    const QString title = QString::fromUtf8(Identity::WindowTitle);
    setWindowTitle(title);
    ui->lblNagScreen2Caption->setText(title);
    ui->lblNagScreen2Caption->adjustSize();

    ui->picNagscreen2Icon->setPixmap(windowIcon().pixmap(32, 32));

    Platform::seedRandomFromClock();
    const auto n = static_cast<std::size_t>(std::floor(Platform::randomFraction() * 4));
    ui->Label2->setText(QString::fromLatin1(SupportAppeal.at(qMin<std::size_t>(n, 3))));
    // The longest appeal needs a fifth line in the system's fonts; it grows towards Check1.
    ui->Label2->resize(ui->Label2->width(),
                       qMax(ui->Label2->height(), ui->Label2->heightForWidth(ui->Label2->width())));
}

// The link is sized to its text at the foot of its frame. Where the system's font is wider
// than the design's, it wraps and grows upwards into the room the paragraph leaves.
void frmNagScreen2::fitCatalogueLink()
{
    QLabel* link = ui->lblGoToHome;
    const int bottom = ui->Frame6->height() - 3;
    const int room = ui->Frame6->width() - 2 * link->x();
    link->adjustSize();
    if (link->width() > room) {
        link->setWordWrap(true);
        link->resize(room, link->heightForWidth(room));
    }
    link->move(link->x(), qMin(link->y(), bottom - link->height()));
}

void frmNagScreen2::showFarewell()
{
    show();
    raise();
    activateWindow();
    ui->cmdClose->setFocus();
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    modHelp::CloseAllAndEnd();
    event->accept();
}

void frmNagScreen2::cmdClose_Click() { modHelp::CloseAllAndEnd(); }

// A click only ever checks the box for a moment: it opens the home page and clears the mark.
void frmNagScreen2::Check1_Click(bool checked)
{
    if (!checked)
        return;
    ui->Check1->setChecked(false);
    modHelp::OpenHomePage();
}

// The message as the program handles it: line breaks are CR LF.
QString frmNagScreen2::messageText() const
{
    return ui->txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

QString frmNagScreen2::fieldText(QWidget* field) const
{
    if (field == ui->txtMessage)
        return messageText();
    return static_cast<QLineEdit*>(field)->text();
}

void frmNagScreen2::setFieldText(QWidget* field, const QString& text)
{
    if (field == ui->txtMessage)
        ui->txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit*>(field)->setText(text);
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (field && placeholderOf.contains(field)) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (movesBetweenControls(event))
                Field_GotFocus(field);
            break;
        case QEvent::FocusOut:
            if (movesBetweenControls(event))
                Field_LostFocus(field);
            break;
        case QEvent::KeyPress:
            if (field == ui->txtEmail || field == ui->txtFriendEmail)
                return EmailField_KeyPress(field, static_cast<const QKeyEvent*>(event));
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A field still showing its placeholder is emptied for typing.
void frmNagScreen2::Field_GotFocus(QWidget* field)
{
    if (trimBlanks(fieldText(field)) == placeholderOf.value(field))
        setFieldText(field, QString());
}

// A field left with nothing in it shows its placeholder again.
void frmNagScreen2::Field_LostFocus(QWidget* field)
{
    if (trimBlanks(fieldText(field)).isEmpty())
        setFieldText(field, placeholderOf.value(field));
}

// A typed space is refused with a message; true when the key is used up here. Pasted text is
// not checked.
bool frmNagScreen2::EmailField_KeyPress(QWidget* field, const QKeyEvent* event)
{
    if (event->text() != QLatin1String(" "))
        return false;
    showError("Email Address Cannot Contain Space");
    field->setFocus();
    return true;
}

void frmNagScreen2::cmdSubmit_Click()
{
    using namespace modTellAFriend;
    strReferName = trimBlanks(ui->txtName->text());
    strReferEmail = trimBlanks(ui->txtEmail->text());
    strReferMessage = trimBlanks(messageText());
    strReferFriendName = trimBlanks(ui->txtFriendName->text());
    strReferFriendEmail = trimBlanks(ui->txtFriendEmail->text());

    if (strReferEmail == strReferFriendEmail) {
        showError("Please Enter Distinct Email Addresses");
        return;
    }
    // One "@" and one "." anywhere in each address is all that is asked.
    for (const QString* address : {&strReferEmail, &strReferFriendEmail}) {
        if (!address->contains(u'@') || !address->contains(u'.')) {
            showError("Please Enter Proper Email Address");
            return;
        }
    }
    SubmitReferral();
}
