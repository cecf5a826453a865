// Asks the desktop's MIME database what type a file is, the way file managers
// do: by name alone, or by content alone. The database is the one under
// XDG_DATA_DIRS, so a test can point it at a freshly registered folder.
//   kalvorin-dateityp name|inhalt DATEI

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QMimeType>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3 || (std::strcmp(argv[1], "name") != 0 && std::strcmp(argv[1], "inhalt") != 0)) {
        std::fprintf(stderr, "Aufruf: %s name|inhalt DATEI\n", argv[0]);
        return 1;
    }
    const QString datei = QString::fromLocal8Bit(argv[2]);
    const QMimeDatabase db;
    const QMimeType typ = std::strcmp(argv[1], "name") == 0
                              ? db.mimeTypeForFile(datei, QMimeDatabase::MatchExtension)
                              : db.mimeTypeForFile(datei, QMimeDatabase::MatchContent);
    std::printf("%s\n", qPrintable(typ.name()));
    return 0;
}
