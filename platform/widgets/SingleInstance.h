#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

// Keeps a program to one running instance per user. The first instance listens on a local
// socket named from the key and the user; a later one finds it there, asks it to come to the
// front and reports that it is not the primary, so that its caller exits.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    bool isPrimary() const { return server_ != nullptr; }

    // The name the instances meet at. On Linux it carries the user id and lies in the
    // user's runtime folder when there is one.
    static QString ServerName(const QString& key);

    // Restores the window from minimized, shows it, raises it and gives it the focus.
    static void bringToFront(QWidget* window);

signals:
    // Another instance was started and has given way to this one.
    void activationRequested();

private:
    static bool AskPrimaryToActivate(const QString& name);
    void onNewConnection();

    QLocalServer* server_ = nullptr;
};
