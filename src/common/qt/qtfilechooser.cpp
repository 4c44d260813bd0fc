#include "common/qt/qtfilechooser.h"

#include <QFileDialog>

namespace quorin {

std::optional<std::string> QtFileChooser::chooseSaveFile(
    const std::string& title, const std::string& proposed, const std::vector<FileType>& types)
{
    QFileDialog dialog(parent_, QString::fromStdString(title), QString::fromStdString(proposed));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileType& type : types)
        filters << QString::fromStdString(type.name + " (*." + type.ending + ")");
    dialog.setNameFilters(filters);
    if (!types.empty())
        dialog.setDefaultSuffix(QString::fromStdString(types.front().ending));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const auto index = static_cast<std::size_t>(filters.indexOf(filter));
        if (index < types.size())
            dialog.setDefaultSuffix(QString::fromStdString(types[index].ending));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace quorin
