#include "frmNagScreen2.h"

#include "Platform.h"
#include "WindowSupport.h"
#include "modHelp.h"
#include "ui_frmNagScreen2.h"

#include <QCloseEvent>

#include <cmath>

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
    ui->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint); // above ordinary windows, a browser included

    const QColor navy(0, 0, 128);
    const QColor white(255, 255, 255);
    SetBackground(this, white);
    SetFont(this, "MS Sans Serif", 11);
    for (QWidget* frame : {ui->Frame6, ui->Frame2}) {
        SetBackground(frame, navy);
        SetFont(frame, "Verdana", 13, Bold);
        SetTextColour(frame, white);
    }
    SetFont(ui->lblGoToHome, "Verdana", 12, Bold | Underline);
    SetTextColour(ui->lblGoToHome, QColor(255, 255, 0));
    SetFont(ui->Label3, "Verdana", 12);
    SetTextColour(ui->Label3, white);
    const std::initializer_list<QWidget*> fields = {ui->txtName, ui->txtEmail, ui->txtFriendEmail,
                                                    ui->txtFriendName, ui->txtMessage};
    for (QWidget* field : fields) {
        SetFont(field, "MS Sans Serif", 11);
        SetTextColour(field, Qt::black);
    }
    SetFont(ui->cmdSubmit, "Verdana", 11, Bold);
    SetTextColour(ui->cmdSubmit, Qt::black);
    SetFont(ui->Check1, "Verdana", 19);
    SetTextColour(ui->Check1, QColor(0, 0, 192));
    SetFont(ui->Label2, "Verdana", 13, Bold);
    SetBackground(ui->Label2, white);
    SetFont(ui->lblNagScreen2Caption, "MS Sans Serif", 24);
    // The message field shows the placeholder's CR LF line end as a line break.
    ui->txtMessage->setPlainText(QStringLiteral("Your Message\n"));

    connect(ui->cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(ui->Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(ui->lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);

    Form_Load();
    FitCatalogueLink();
    ui->cmdClose->setFocus();
    CentreOnScreen(this);
}

frmNagScreen2::~frmNagScreen2() = default;

void frmNagScreen2::Form_Load()
{
    const QString title = QStringLiteral("Halden Corvane Numerology v1.25");
    setWindowTitle(title);
    ui->lblNagScreen2Caption->setText(title);
    ui->lblNagScreen2Caption->adjustSize();

    ui->picNagscreen2Icon->setPixmap(windowIcon().pixmap(32, 32));

    Platform::SeedRandomFromClock();
    const auto n = static_cast<std::size_t>(std::floor(Platform::RandomFraction() * 4));
    ui->Label2->setText(QString::fromLatin1(SupportAppeal.at(qMin<std::size_t>(n, 3))));
    // The longest appeal needs a fifth line in the system's fonts; it grows towards Check1.
    ui->Label2->resize(ui->Label2->width(),
                       qMax(ui->Label2->height(), ui->Label2->heightForWidth(ui->Label2->width())));
}

// The link is sized to its text at the foot of its frame. Where the system's font is wider
// than the design's, it wraps and grows upwards into the room the paragraph leaves.
void frmNagScreen2::FitCatalogueLink()
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

void frmNagScreen2::ShowFarewell()
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

void frmNagScreen2::lblGoToHome_Click() { modHelp::OpenCataloguePage(); }
