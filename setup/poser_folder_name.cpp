#include "setup/poser_folder_name.h"

#include "platform/letter_case.h"

bool isPoserFolderName(QStringView folder) {
    const QStringView ownName = folder.mid(folder.lastIndexOf(u'\\') + 1);
    return toLowerSimple(ownName).contains(QStringLiteral("poser"));
}
