#include "platform/qt/QtTray.h"

#include <QAction>
#include <QMenu>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>
#include <map>
#include <string>

namespace talvorin {

namespace {

// The program's icon (its drawn set, which the program gives the
// application); without one, two LCD digits on a dark face, at each size.
QIcon clockIcon() {
    if (!QGuiApplication::windowIcon().isNull()) return QGuiApplication::windowIcon();
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 24, 20));
        painter.drawRoundedRect(QRectF(0, size * 0.15, size, size * 0.7), size * 0.12, size * 0.12);
        QFont font;
        font.setBold(true);
        font.setPixelSize(static_cast<int>(size * 0.55));
        painter.setFont(font);
        painter.setPen(QColor(80, 255, 80));
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("12"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

class QtTrayIcon final : public TrayIcon {
  public:
    QtTrayIcon(const TrayDesign& design, TrayEvents& events)
        : target_(std::make_shared<TrayEvents*>(&events)),
          menu_(new QMenu),
          icon_(new QSystemTrayIcon(clockIcon())) {
        for (const TrayMenuItem& item : design.items) {
            if (item.id.empty()) {
                menu_->addSeparator();
                continue;
            }
            QAction* action = menu_->addAction(QString::fromStdString(item.caption));
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            actions_[item.id] = action;
            // The check mark shows the real state, which only the core knows:
            // it sets it back after the change.
            if (item.checkable)
                QObject::connect(action, &QAction::triggered, action,
                                 [action] { action->setChecked(!action->isChecked()); });
            QObject::connect(action, &QAction::triggered, menu_, [target = target_, id = item.id] {
                if (*target) (*target)->onTrayItem(id);
            });
        }
        QObject::connect(menu_, &QMenu::aboutToShow, menu_, [target = target_] {
            if (*target) (*target)->onTrayMenuOpening();
        });
        icon_->setContextMenu(menu_);
        icon_->setToolTip(QString::fromStdString(design.toolTip));
        QObject::connect(icon_, &QSystemTrayIcon::activated, icon_,
                         [target = target_](QSystemTrayIcon::ActivationReason reason) {
                             if (reason == QSystemTrayIcon::Trigger && *target)
                                 (*target)->onTrayActivated();
                         });
        icon_->show();
    }

    ~QtTrayIcon() override {
        *target_ = nullptr;
        // Possibly from inside one of their own signals.
        if (icon_) {
            icon_->hide();
            icon_->deleteLater();
        }
        if (menu_) menu_->deleteLater();
    }

    void setToolTip(const std::string& text) override {
        if (icon_) icon_->setToolTip(QString::fromStdString(text));
    }

    void setChecked(std::string_view id, bool checked) override {
        const auto found = actions_.find(std::string(id));
        if (found != actions_.end() && found->second) found->second->setChecked(checked);
    }

  private:
    std::shared_ptr<TrayEvents*> target_;
    QPointer<QMenu> menu_;
    QPointer<QSystemTrayIcon> icon_;
    std::map<std::string, QPointer<QAction>> actions_;
};

}  // namespace

std::unique_ptr<TrayIcon> createQtTrayIcon(const TrayDesign& design, TrayEvents& events) {
    // Made even when no tray host runs yet (QSystemTrayIcon::isSystemTrayAvailable()
    // false): Qt watches for one and docks the icon when it appears, as a
    // panel started after the clock at login does. Until then nothing shows
    // and nothing is reported.
    return std::make_unique<QtTrayIcon>(design, events);
}

}  // namespace talvorin
