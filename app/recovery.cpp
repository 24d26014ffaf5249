#include "recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tolvern::app {

namespace {

const QByteArray Magic = "TOLVERN recovery 1";

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QByteArray OnDisk(const QString& path) { return QFile::encodeName(path); }

QByteArray LineEndName(LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::Lf: return "lf";
    case LineEnd::Cr: return "cr";
    case LineEnd::CrLf: break;
  }
  return "crlf";
}

QByteArray YesNo(bool value) { return value ? "yes" : "no"; }

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

// Held only while no live document holds it; -1 when someone does.
int TakeLock(const QString& lockPath) {
  const int fd = ::open(OnDisk(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

QString Sibling(const QString& dataPath, const char* extension) {
  return dataPath.left(dataPath.size() - 4) + QLatin1String(extension);
}

}  // namespace

QByteArray EncodeRecovery(const RecoveryCopy& copy) {
  DocumentText text = copy.text;
  text.encoding = SavedEncoding(text.text, text.encoding);
  const QByteArray bytes = EncodeDocument(text);
  QByteArray out;
  out.reserve(bytes.size() + 256);
  out += Magic + '\n';
  out += "file " + copy.fileName.toUtf8().toPercentEncoding() + '\n';
  out += "changed " + copy.changed.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
  out += QByteArray("encoding ") + (text.encoding == TextEncoding::Latin1 ? "latin1" : "utf8") + '\n';
  out += "line-end " + LineEndName(text.lineEnd) + '\n';
  out += "final-line-end " + YesNo(text.finalLineEnd) + '\n';
  out += "byte-order-mark " + YesNo(text.byteOrderMark) + '\n';
  out += "length " + QByteArray::number(bytes.size()) + "\n\n";
  out += bytes;
  return out;
}

std::optional<RecoveryCopy> DecodeRecovery(const QByteArray& bytes) {
  qsizetype at = 0;
  const auto nextLine = [&]() -> std::optional<QByteArray> {
    const qsizetype end = bytes.indexOf('\n', at);
    if (end < 0) return std::nullopt;
    QByteArray line = bytes.mid(at, end - at);
    at = end + 1;
    return line;
  };
  if (nextLine() != Magic) return std::nullopt;
  RecoveryCopy copy;
  DocumentText format;
  qsizetype length = -1;
  bool ok = true;
  for (;;) {
    const std::optional<QByteArray> line = nextLine();
    if (!line) return std::nullopt;
    if (line->isEmpty()) break;
    const qsizetype space = line->indexOf(' ');
    const QByteArray key = line->left(space);
    const QByteArray value = space < 0 ? QByteArray() : line->mid(space + 1);
    if (key == "file") copy.fileName = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
    else if (key == "changed") copy.changed = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
    else if (key == "encoding") format.encoding = value == "latin1" ? TextEncoding::Latin1 : TextEncoding::Utf8;
    else if (key == "line-end") format.lineEnd = value == "lf" ? LineEnd::Lf : value == "cr" ? LineEnd::Cr : LineEnd::CrLf;
    else if (key == "final-line-end") format.finalLineEnd = value == "yes";
    else if (key == "byte-order-mark") format.byteOrderMark = value == "yes";
    else if (key == "length") length = value.toLongLong(&ok);
  }
  // A copy is renamed into place whole; anything else is not one of ours.
  if (!ok || length != bytes.size() - at || !copy.changed.isValid()) return std::nullopt;
  copy.text = DecodeDocumentAs(bytes.mid(at), format);
  return copy;
}

QString RecoveryTime(const QDateTime& changed) {
  return changed.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString RecoveryFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

// ---------------------------------------------------------------- RecoveryFile

RecoveryFile::RecoveryFile(std::function<RecoveryCopy()> current, QObject* parent)
    : QObject(parent), current_(std::move(current)), timer_(new QTimer(this)) {
  // Started by the first change and not restarted by later ones: while typing
  // goes on a copy is still written every DelayMs.
  timer_->setSingleShot(true);
  timer_->setInterval(DelayMs);
  connect(timer_, &QTimer::timeout, this, &RecoveryFile::WriteNow);
}

RecoveryFile::~RecoveryFile() {
  Discard();
  if (!writer_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

void RecoveryFile::Changed() {
  if (oldestUnwrittenMs_ < 0) oldestUnwrittenMs_ = NowMs();
  if (!timer_->isActive()) timer_->start();
}

void RecoveryFile::WriteNow() {
  timer_->stop();
  if (oldestUnwrittenMs_ < 0) return;
  RecoveryCopy copy = current_();
  copy.changed = QDateTime::currentDateTimeUtc();
  HandOver(Op::Write, EncodeRecovery(copy), oldestUnwrittenMs_);
  oldestUnwrittenMs_ = -1;
}

void RecoveryFile::Discard() {
  timer_->stop();
  oldestUnwrittenMs_ = -1;
  if (writer_.joinable()) HandOver(Op::Remove, QByteArray(), -1);
}

void RecoveryFile::HandOver(Op op, QByteArray bytes, int64_t oldestChangeMs) {
  if (!writer_.joinable()) {
    const QString folder = RecoveryFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) return;  // nowhere to keep a copy
    static std::atomic<int> documents{0};
    const QString stem = folder + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-');
    // A copy left by an earlier process of the same number keeps its name.
    do {
      const QString base = stem + QString::number(++documents);
      dataPath_ = base + QStringLiteral(".rec");
      tempPath_ = base + QStringLiteral(".tmp");
      lockPath_ = base + QStringLiteral(".lock");
    } while (QFile::exists(dataPath_) || QFile::exists(lockPath_));
    writer_ = std::thread([this] { Work(); });
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    op_ = op;
    bytes_ = std::move(bytes);
    opChangeMs_ = oldestChangeMs;
  }
  wake_.notify_one();
}

void RecoveryFile::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait(lock, [this] { return op_ == Op::None && !busy_; });
}

int64_t RecoveryFile::LongestLagMs() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return longestLagMs_;
}

void RecoveryFile::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return op_ != Op::None || quit_; });
    if (op_ == Op::None) break;  // quit, and nothing left to do
    const Op op = op_;
    const QByteArray bytes = std::move(bytes_);
    const int64_t changeMs = opChangeMs_;
    op_ = Op::None;
    bytes_.clear();
    busy_ = true;
    lock.unlock();
    if (op == Op::Write) WriteCopy(bytes);
    else RemoveCopy();
    lock.lock();
    if (op == Op::Write && changeMs >= 0) longestLagMs_ = std::max(longestLagMs_, NowMs() - changeMs);
    busy_ = false;
    idle_.notify_all();
  }
}

void RecoveryFile::WriteCopy(const QByteArray& bytes) {
  // The lock first: a copy is never on disk without its living owner's lock.
  if (lockFd_ < 0) {
    lockFd_ = TakeLock(lockPath_);
    if (lockFd_ >= 0) WriteAll(lockFd_, QByteArray::number(QCoreApplication::applicationPid()) + '\n');
  }
  const int fd = ::open(OnDisk(tempPath_).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ::close(fd);
  if (!written || ::rename(OnDisk(tempPath_).constData(), OnDisk(dataPath_).constData()) != 0) {
    ::unlink(OnDisk(tempPath_).constData());
    return;
  }
  // The rename itself survives a power cut only once the folder is synced.
  const int folder = ::open(OnDisk(QFileInfo(dataPath_).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

void RecoveryFile::RemoveCopy() {
  ::unlink(OnDisk(dataPath_).constData());
  ::unlink(OnDisk(tempPath_).constData());
  if (lockFd_ < 0) return;
  ::unlink(OnDisk(lockPath_).constData());
  ::close(lockFd_);
  lockFd_ = -1;
}

// ---------------------------------------------------------------- copies left behind

LeftRecovery::LeftRecovery(QString dataPath, RecoveryCopy copy, int lockFd)
    : dataPath_(std::move(dataPath)), copy_(std::move(copy)), lockFd_(lockFd) {}

LeftRecovery::LeftRecovery(LeftRecovery&& other) noexcept
    : dataPath_(std::move(other.dataPath_)), copy_(std::move(other.copy_)), lockFd_(other.lockFd_) {
  other.lockFd_ = -1;
}

LeftRecovery& LeftRecovery::operator=(LeftRecovery&& other) noexcept {
  std::swap(dataPath_, other.dataPath_);
  std::swap(copy_, other.copy_);
  std::swap(lockFd_, other.lockFd_);
  return *this;
}

LeftRecovery::~LeftRecovery() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

void LeftRecovery::Remove() {
  for (const char* extension : {".rec", ".tmp", ".lock"})
    ::unlink(OnDisk(Sibling(dataPath_, extension)).constData());
  if (lockFd_ >= 0) ::close(lockFd_);
  lockFd_ = -1;
}

std::vector<LeftRecovery> FindLeftRecoveries() {
  std::vector<LeftRecovery> found;
  const QString folder = RecoveryFolder();
  if (folder.isEmpty()) return found;
  const QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.rec")}, QDir::Files)) {
    const QString dataPath = dir.filePath(name);
    const QString lockPath = Sibling(dataPath, ".lock");
    const int lockFd = TakeLock(lockPath);
    if (lockFd < 0) continue;  // its document is alive, in this process or another
    QFile file(dataPath);
    std::optional<RecoveryCopy> copy;
    if (file.open(QIODevice::ReadOnly)) copy = DecodeRecovery(file.readAll());
    if (!copy) {
      // Removed by its owner meanwhile, or not a copy this program can read:
      // left alone, and so is the lock file unless it was made just now.
      if (!file.exists()) ::unlink(OnDisk(lockPath).constData());
      ::close(lockFd);
      continue;
    }
    found.emplace_back(dataPath, std::move(*copy), lockFd);
  }
  std::sort(found.begin(), found.end(),
            [](const LeftRecovery& a, const LeftRecovery& b) { return a.copy().changed > b.copy().changed; });
  return found;
}

}  // namespace tolvern::app
