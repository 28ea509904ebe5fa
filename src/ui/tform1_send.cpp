// Send and the initial-screen upload.

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "encoder/badge_encoder.h"
#include "encoder/glyph_font_set.h"
#include "link/badge_send.h"
#include "link/initial_screen_upload.h"
#include "link/link_user.h"
#include "link/port_map.h"
#include "link/port_scan.h"
#include "link/termios_serial_ports.h"
#include "tform1.h"
#include "tform3.h"

namespace {

// Brings the port tool tips up to date just before the user looks at them.
class PortHintFilter : public QObject {
  public:
    explicit PortHintFilter(TForm1* form) : QObject(form), form_(form) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::ToolTip:
            case QEvent::MouseButtonPress:
            case QEvent::KeyPress:
                form_->refreshPortHints();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, e);
    }

  private:
    TForm1* form_;
};

}  // namespace

struct TForm1::SendingState {
    explicit SendingState(TForm1& form) : encoder(form.programFolder(), form.prompt()) {}

    varnel::BadgeEncoder encoder;
    bool hintsWatched = false;
};

void TForm1::SendingStateDeleter::operator()(SendingState* state) const {
    delete state;
}

TForm1::SendingState& TForm1::sending() {
    if (!sending_) {
        sending_.reset(new SendingState(*this));
    }
    return *sending_;
}

namespace {

// The window's side of a transfer.  The handler runs to its end without returning to the event
// loop, so whatever changes is painted at once (repaint), and nothing else is processed: the
// user's input waits until the transfer is over.
class WindowLinkUser : public varnel::LinkUser {
  public:
    WindowLinkUser(TForm1& form, QLabel* const* panels, TForm3* warning,
                   std::function<QIcon(const char*)> picture)
        : form_(form), panels_(panels), warning_(warning), picture_(std::move(picture)) {}

    void message(const std::string& text) override { form_.prompt().message(text); }
    // The question's second line follows a carriage return, which a message box does not break
    // on by itself.
    bool confirm(const std::string& text) override {
        std::string shown = text;
        std::replace(shown.begin(), shown.end(), '\r', '\n');
        return form_.prompt().confirm(shown);
    }

    void setStatusPanel(int panel, const std::string& text) override {
        form_.setStatusPanel(panel,
                             QString::fromLatin1(text.data(), static_cast<int>(text.size())));
        panels_[panel]->repaint();
    }
    void setProgressMaximum(int maximum) override { form_.ProgressBar1->setMaximum(maximum); }
    // QProgressBar repaints itself when a step changes what it shows.
    void setProgressPosition(int position) override { form_.ProgressBar1->setValue(position); }
    void showNoBadgeWarning() override {
        if (warning_ != nullptr) {
            warning_->exec();
        }
    }
    void setSendPicture(varnel::SendPicture picture) override {
        form_.Send->setIcon(
            picture_(picture == varnel::SendPicture::Green ? "s6g.dat" : "s6r.dat"));
        form_.Send->repaint();
    }
    void repaint() override { form_.repaint(); }

  private:
    TForm1& form_;
    QLabel* const* panels_;
    TForm3* warning_;
    std::function<QIcon(const char*)> picture_;
};

}  // namespace

void TForm1::suitempSendClick() {
    varnel::BadgeEncoder& encoder = sending().encoder;
    const varnel::EncodedBadge encoded = encoder.encode(project_, languageId());
    if (!encoded.refusal.empty()) {
        prompt().message(encoded.refusal);
        return;
    }
    varnel::TermiosSerialPorts ports{varnel::PortMap(programFolder_)};
    varnel::SystemSleeper sleeper;
    WindowLinkUser user(*this, statusPanels_.data(), warning_,
                        [this](const char* name) { return pictureFileIcon(name); });
    const varnel::SendJob job{encoded.sequence,
                              std::span<const std::uint8_t, varnel::kBadgeMemorySize>(
                                  encoder.image().data(), varnel::kBadgeMemorySize),
                              encoded.cells, varnel::portFromComBoxIndex(ComBox->currentIndex())};
    varnel::sendToBadge(job, ports, sleeper, user);
    refreshPortHints();
}

void TForm1::Send1Click() {
    suitempSendClick();
}

void TForm1::suiButton5Click() {
    varnel::BadgeEncoder& glyphs = sending().encoder;
    varnel::FontBlockReader readBlock = [&glyphs](int block) {
        glyphs.readFontGlyph(varnel::GlyphFontSet::kResidentFont, 64 * block, 64);
        std::array<std::uint8_t, 64> data{};
        std::copy_n(glyphs.glyphBuffer().data(), data.size(), data.begin());
        return data;
    };
    varnel::TermiosSerialPorts ports{varnel::PortMap(programFolder_)};
    varnel::SystemSleeper sleeper;
    WindowLinkUser user(*this, statusPanels_.data(), warning_,
                        [this](const char* name) { return pictureFileIcon(name); });
    varnel::uploadInitialScreen(varnel::portFromComBoxIndex(ComBox->currentIndex()), readBlock,
                                ports, sleeper, user);
    refreshPortHints();
}

void TForm1::refreshPortHints() {
    SendingState& state = sending();
    if (!state.hintsWatched) {
        ComBox->installEventFilter(new PortHintFilter(this));
        state.hintsWatched = true;
    }
    const varnel::PortMap map(programFolder_);
    const auto targets = map.all();
    QStringList present;
    for (int port = varnel::kFirstPortNumber; port <= varnel::kLastPortNumber; ++port) {
        const auto& device = targets[static_cast<std::size_t>(port - 1)].device;
        if (device) {
            present << QStringLiteral("COM %1: %2")
                           .arg(port)
                           .arg(QString::fromStdString(device->string()));
        }
    }
    const QString autoHint =
        present.isEmpty()
            ? QStringLiteral("AUTO: looks for the badge; no serial device is present")
            : QStringLiteral("AUTO: looks for the badge on\n") + present.join(QLatin1Char('\n'));
    ComBox->setItemData(0, autoHint, Qt::ToolTipRole);
    for (int item = 1; item < ComBox->count(); ++item) {
        ComBox->setItemData(item, QString::fromStdString(varnel::describePort(map, item)),
                            Qt::ToolTipRole);
    }
    ComBox->setToolTip(
        ComBox->itemData(std::max(ComBox->currentIndex(), 0), Qt::ToolTipRole).toString());
}
