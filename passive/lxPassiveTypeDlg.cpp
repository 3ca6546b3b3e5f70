#include "lxPassiveTypeDlg.h"

#include "LxLibTypes.h"
#include "LxPrompter.h"

namespace {

struct TypeKeyword
{
    const char* upper;
    int code;
};

// The untranslated entry texts, upper case, with their codes.
constexpr TypeKeyword kKeywords[] = {
    {"CONNECTOR", lxlib::PCT_CONNECTOR},   {"RESISTOR", lxlib::PCT_RESISTOR},
    {"CAPACITOR", lxlib::PCT_CAPACITOR},   {"INDUCTOR", lxlib::PCT_INDUCTOR},
    {"RESONATOR", lxlib::PCT_RESONATOR},   {"CONNECTION", lxlib::PCT_CONNECTION},
    {"BOARDCONTACT", lxlib::PCT_BOARD_CONTACT},
};

} // namespace

lxPassiveTypeDlg::lxPassiveTypeDlg(QWidget* parent, const char* name)
    : QDialog(parent)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("PassiveTypeForm"));
    setModal(true);
    // Entry i is type i + 1; the code rides along so translated texts still map.
    for (int i = 0; i < cbPassiveType->count(); ++i)
        cbPassiveType->setItemData(i, i + 1);
    connect(cbPassiveType, &QComboBox::textActivated, this, &lxPassiveTypeDlg::slotPassiveTypeActivated);
    connect(OkButton, &QPushButton::clicked, this, &lxPassiveTypeDlg::slotOkClicked);
    connect(CancelButton, &QPushButton::clicked, this, &lxPassiveTypeDlg::slotCancelClicked);
}

int lxPassiveTypeDlg::passiveTypeCode(const QString& text)
{
    const QString upper = text.toUpper();
    for (const TypeKeyword& k : kKeywords) {
        if (upper == QLatin1String(k.upper))
            return k.code;
    }
    return 0;
}

QString lxPassiveTypeDlg::getPassiveType(const QString& defaultName, int& passiveType)
{
    const int fixed = passiveType != 0 ? cbPassiveType->findData(passiveType) : -1;
    if (passiveType != 0) {
        cbPassiveType->setEnabled(false);
        if (fixed >= 0)
            cbPassiveType->setCurrentIndex(fixed);
    } else {
        cbPassiveType->setEnabled(true);
        cbPassiveType->setCurrentIndex(cbPassiveType->findData(int(lxlib::PCT_CONNECTION)));
    }
    PartNameLineEdit->setText(defaultName);
    PartNameLineEdit->selectAll();
    PartNameLineEdit->setFocus();
    if (lxPrompter().execDialog(this) != QDialog::Accepted)
        return QString();
    passiveType = cbPassiveType->currentData().toInt();
    return PartNameLineEdit->text();
}

void lxPassiveTypeDlg::slotPassiveTypeActivated(const QString& text)
{
    const int code = passiveTypeCode(text);
    const int entry = cbPassiveType->findText(text);
    m_passiveType = code != 0 || entry < 0 ? code : cbPassiveType->itemData(entry).toInt();
}

void lxPassiveTypeDlg::slotOkClicked()
{
    if (PartNameLineEdit->text().isEmpty())
        return;
    m_passiveType = cbPassiveType->currentData().toInt();
    accept();
}

void lxPassiveTypeDlg::slotCancelClicked()
{
    reject();
}
