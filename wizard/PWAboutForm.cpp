#include "PWAboutForm.h"

#include "PWImages.h"

namespace {
constexpr int kVersion[] = {5, 0, 1, 0};
constexpr const char* kBuildDate = "20200827";
} // namespace

PWAboutForm::PWAboutForm(QWidget* parent, const QString& name) : QDialog(parent)
{
    setupUi(this);
    setObjectName(name);
    const QPixmap picture = lxImage(QStringLiteral("PWpartwrightwizard.png"));
    PWAboutPicture->setPixmap(picture.scaled(picture.size() * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QString PWAboutForm::versionText()
{
    const QString numbers =
        QStringLiteral("%1.%2.%3.%4").arg(kVersion[0]).arg(kVersion[1]).arg(kVersion[2]).arg(kVersion[3]);
    // The trailing blank is part of the label.
    const QString date = QStringLiteral("%1 ").arg(QLatin1String(kBuildDate));
    return QStringLiteral("%1 - %2").arg(numbers, date);
}
