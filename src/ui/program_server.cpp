#include "ui/program_server.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QRegularExpression>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

constexpr auto StreamVersion = QDataStream::Qt_6_0;
const QByteArray Received = "1";
// Generous waits for a program that is busy: past them, the later start opens the files itself.
constexpr int ConnectWait = 3000;
constexpr int ReplyWait = 10000;

QString currentUser() {
#ifdef _WIN32
    return qEnvironmentVariable("USERNAME");
#else
    return QString::number(::getuid());
#endif
}

} // namespace

ProgramServer::ProgramServer(TakeFiles take)
    : server_(new QLocalServer(this)), take_(std::move(take)) {
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
        }
    });
}

ProgramServer::~ProgramServer() = default;

// A display's name may be a path (a Wayland socket's) or hold a colon (X's ":0"): only letters,
// digits, dots and dashes go into the server's name.
QString ProgramServer::nameFor(const QProcessEnvironment& environment, const QString& user,
                               const QString& platformName) {
    const QString chosen = environment.value("VEXOLAN_SERVER");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    QString display = environment.value("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = environment.value("DISPLAY");
    }
    if (display.isEmpty()) {
        display = platformName;
    }
    static const QRegularExpression unsafe("[^A-Za-z0-9.-]");
    const QString name = "vexolan-" + user + "-" + QString(display).replace(unsafe, "_");
    // Only its user reaches the runtime folder: nobody else can listen under the name first.
    const QString runtime = environment.value("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? QDir(runtime).filePath(name) : name;
}

QString ProgramServer::name() {
    return nameFor(QProcessEnvironment::systemEnvironment(), currentUser(),
                   QGuiApplication::platformName());
}

bool ProgramServer::handOver(const QString& name, const std::vector<std::string>& files) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectWait)) {
        return false;
    }
    QList<QByteArray> names;
    for (const std::string& file : files) {
        names << QByteArray(file.data(), static_cast<qsizetype>(file.size()));
    }
    QDataStream out(&socket);
    out.setVersion(StreamVersion);
    out << names;
    while (socket.bytesAvailable() < Received.size()) {
        if (!socket.waitForReadyRead(ReplyWait)) {
            return false;
        }
    }
    return socket.read(Received.size()) == Received;
}

// Only this user's programs may hand files over. The toolkit makes such a socket aside and
// renames it into place, so that one left behind by a program that was killed gives way.
bool ProgramServer::listen(const QString& name) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(name);
}

// The later start hears back as soon as the files are here, and ends; the files open once the
// event loop comes round, since a message about a bad one waits for its user.
void ProgramServer::receive(QLocalSocket* socket) {
    QDataStream in(socket);
    in.setVersion(StreamVersion);
    in.startTransaction();
    QList<QByteArray> names;
    in >> names;
    if (!in.commitTransaction()) {
        if (in.status() == QDataStream::ReadCorruptData) {
            socket->abort(); // no start of this program's
        }
        return;
    }
    socket->write(Received);
    socket->flush();
    std::vector<std::string> files;
    for (const QByteArray& file : names) {
        files.emplace_back(file.constData(), static_cast<std::size_t>(file.size()));
    }
    QMetaObject::invokeMethod(
        this, [this, files] { take_(files); }, Qt::QueuedConnection);
}
