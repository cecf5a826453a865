#include "ui/Dateidialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace kalvorin {

TDateiAntwort QtDateiDialog(QWidget* eltern, const TDateiAnfrage& a) {
    QFileDialog dialog(eltern, a.Titel, a.Ordner, a.Filter);
    dialog.setDefaultSuffix(a.Standardendung);
    if (!a.Dateiname.isEmpty() && !a.Dateiname.startsWith(QLatin1Char('*')))
        dialog.selectFile(a.Dateiname);
    if (a.Art == TDateiDialogArt::Oeffnen) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // Qt asks before overwriting; the folder must exist.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // With several formats, a name typed without extension gets the one
        // of the filter chosen, before Qt asks about overwriting.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             const QRegularExpressionMatch m =
                                 QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
                             if (m.hasMatch()) dialog.setDefaultSuffix(m.captured(1));
                         });
    }
    TDateiAntwort antwort;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        antwort.Datei = dialog.selectedFiles().constFirst();
        antwort.Filter = dialog.selectedNameFilter();
    }
    return antwort;
}

} // namespace kalvorin
