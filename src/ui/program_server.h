#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;
class QProcessEnvironment;

// One running program per user and display. A later start hands its Mech files to the program
// that runs already and ends, so that a file stays open on one sheet at most, however often the
// file manager starts the program for it.
class ProgramServer : public QObject {
    Q_OBJECT
public:
    // What the running program does with the files a later start hands over; none: a new sheet.
    using TakeFiles = std::function<void(const std::vector<std::string>& files)>;

    explicit ProgramServer(TakeFiles take);
    ~ProgramServer() override;

    // The name the running program listens under: that of VEXOLAN_SERVER where it is set, so
    // that programs started together by tests keep to themselves; else one of the user and of
    // the display, in the user's own runtime folder where the system gives one.
    static QString nameFor(const QProcessEnvironment& environment, const QString& user,
                           const QString& platformName);
    // nameFor this process: its environment, its user and its window system.
    static QString name();

    // Hands the files to the program that listens under `name`: true once it has them, false
    // when no program answers there.
    static bool handOver(const QString& name, const std::vector<std::string>& files);
    // Listens under `name` for later starts, taking the name over from a program that ended
    // without giving it back; false when it cannot. Call it only once handOver has found
    // nobody listening there.
    bool listen(const QString& name);

private:
    void receive(QLocalSocket* socket);

    QLocalServer* server_;
    TakeFiles take_;
};
