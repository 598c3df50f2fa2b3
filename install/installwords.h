#pragma once

#include <QString>
#include <QStringList>

// Words the install's questions, summary and failures share.
namespace parkwen::installwords {

// "Garage Folder" or "Car Folder".
QString folderLabel(bool garage);
QString quoted(const QString& text);
// The names joined with commas, cut after `maxNames` with "and 12 more" (none cut when 0).
QString cutList(QStringList names, int maxNames);

} // namespace parkwen::installwords
