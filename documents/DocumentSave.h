// A document put into its file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

// Puts bytes at path in place of what is there once all of them are written; throws UserError
// "Не удалось сохранить файл «path»: reason" when it cannot, and the file is then as it was.
void saveDocument(const QString& path, const QByteArray& bytes);
