#include "loadablemodule.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <vector>

#include "moduleversion.h"

namespace oltrave {

namespace {

// Read once, as the program starts: an upgrade that replaces the binary while
// it runs leaves /proc/self/exe naming a deleted file, and a name that is not
// absolute would make every module relative to the current folder.
QString programFolderAtStart() {
    std::array<char, 4096> link{};
    const ssize_t length = readlink("/proc/self/exe", link.data(), link.size() - 1);
    if (length <= 0 || link[0] != '/')
        return QString();
    const QString path = QString::fromLocal8Bit(link.data(), length);
    if (path.endsWith(QLatin1String(" (deleted)")))
        return QString();
    return QFileInfo(path).absolutePath();
}

const QString kProgramFolder = programFolderAtStart();

// The ELF header of the binary holding this code, as loaded: modules must be
// built for the same machine.
const ElfW(Ehdr) & ownHeader() {
    static const char anchor = 0;
    Dl_info self{};
    dladdr(&anchor, &self);
    return *static_cast<const ElfW(Ehdr)*>(self.dli_fbase);
}

// Whether [offset, offset + count * each) lies within size bytes.
bool within(quint64 offset, quint64 count, quint64 each, quint64 size) {
    return offset <= size && (each == 0 || count <= (size - offset) / each);
}

// Why the file cannot be mapped safely, or nothing. A file shorter than its
// headers say would fault on the first page past its end: the program would
// stop with a bus error instead of refusing it.
QString unsoundSharedObject(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read (%2)").arg(path, file.errorString());
    const auto size = static_cast<quint64>(file.size());
    ElfW(Ehdr) header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != sizeof header ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return QStringLiteral("%1 is not a shared object").arg(path);
    const ElfW(Ehdr)& own = ownHeader();
    if (header.e_ident[EI_CLASS] != own.e_ident[EI_CLASS] ||
        header.e_ident[EI_DATA] != own.e_ident[EI_DATA] || header.e_machine != own.e_machine ||
        header.e_type != ET_DYN || header.e_phentsize != sizeof(ElfW(Phdr)))
        return QStringLiteral("%1 is not a shared object for this machine").arg(path);

    const QString cut = QStringLiteral("%1 is cut short (%2 bytes)").arg(path).arg(size);
    if (!within(header.e_phoff, header.e_phnum, header.e_phentsize, size) ||
        (header.e_shoff != 0 && !within(header.e_shoff, header.e_shnum, header.e_shentsize, size)))
        return cut;
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    const auto bytes = static_cast<qint64>(segments.size() * sizeof(ElfW(Phdr)));
    if (!file.seek(static_cast<qint64>(header.e_phoff)) ||
        file.read(reinterpret_cast<char*>(segments.data()), bytes) != bytes)
        return cut;
    for (const ElfW(Phdr) & segment : segments) {
        if (segment.p_type == PT_LOAD && !within(segment.p_offset, 1, segment.p_filesz, size))
            return cut;
    }
    return QString();
}

QString stampText(const ModuleStamp& stamp) {
    const auto length = static_cast<qsizetype>(strnlen(stamp.version, sizeof stamp.version));
    return QStringLiteral("%1 (interface %2)")
        .arg(QString::fromLatin1(stamp.version, length))
        .arg(stamp.interface);
}

} // namespace

QString moduleFolder() {
    if (kProgramFolder.isEmpty())
        return QString();
    return QDir::cleanPath(kProgramFolder + QLatin1Char('/') +
                           QLatin1String(OLTRAVE_MODULES_FROM_PROGRAM));
}

const void* loadModule(const QString& name, QString& problem) {
    const QString folder = moduleFolder();
    if (folder.isEmpty()) {
        problem =
            QStringLiteral("the program's own folder is unknown, so %1 cannot be found").arg(name);
        return nullptr;
    }
    return loadModuleFile(QDir(folder).filePath(name), problem);
}

const void* loadModuleFile(const QString& path, QString& problem) {
    if (!QDir::isAbsolutePath(path)) {
        problem = QStringLiteral("%1 is not an absolute path").arg(path);
        return nullptr;
    }
    if (!QFileInfo::exists(path)) {
        problem = QStringLiteral("%1 is missing").arg(path);
        return nullptr;
    }
    problem = unsoundSharedObject(path);
    if (!problem.isEmpty())
        return nullptr;
    // Every symbol bound now: a module missing one is refused here, not
    // stopped halfway later. A refused module stays loaded all the same, as
    // its constructors have run.
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        problem = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    const auto* entry = static_cast<const ModuleEntry*>(dlsym(handle, kModuleEntrySymbol));
    if (!entry) {
        problem = QStringLiteral("%1 is not a module of this program: it has no entry \"%2\"")
                      .arg(path, QLatin1String(kModuleEntrySymbol));
        return nullptr;
    }
    if (std::memcmp(entry->stamp.magic, kModuleStamp.magic, sizeof kModuleStamp.magic) != 0) {
        problem =
            QStringLiteral("%1 is not a module of this program: its entry has no stamp").arg(path);
        return nullptr;
    }
    if (entry->stamp.interface != kModuleStamp.interface ||
        std::strncmp(entry->stamp.version, kModuleStamp.version, sizeof kModuleStamp.version) !=
            0) {
        problem = QStringLiteral("%1 is of version %2, not this program's %3")
                      .arg(path, stampText(entry->stamp), stampText(kModuleStamp));
        return nullptr;
    }
    return entry->table;
}

} // namespace oltrave
