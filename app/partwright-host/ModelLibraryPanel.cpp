#include "ModelLibraryPanel.h"

#include "LxiInterfaces.h"
#include "OrvikHost.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace OrvikInterface;

ModelLibraryPanel::ModelLibraryPanel(OrvikHost& host, const QString& root, QWidget* parent)
    : QWidget(parent), m_host(host), m_root(root), m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("ModelLibraryPanel"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ModelLibraryList"));
    m_list->setHeaderLabels({tr("Model"), tr("Device id"), tr("Category"), tr("Modified")});
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(NameColumn, Qt::AscendingOrder);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    m_summary = new QLabel(this);
    m_edit = new QPushButton(tr("&Edit"), this);
    m_edit->setObjectName(QStringLiteral("EditModel"));
    m_view = new QPushButton(tr("&View"), this);
    m_view->setObjectName(QStringLiteral("ViewModel"));
    auto* refreshButton = new QPushButton(tr("&Refresh"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_summary, 1);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_view);
    buttons->addWidget(refreshButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_edit, &QPushButton::clicked, this, &ModelLibraryPanel::editSelected);
    connect(m_view, &QPushButton::clicked, this, &ModelLibraryPanel::viewSelected);
    connect(refreshButton, &QPushButton::clicked, this, &ModelLibraryPanel::refresh);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ModelLibraryPanel::editSelected);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &ModelLibraryPanel::updateButtons);
    // A save replaces the file by a rename, which shows up as a change of its folder.
    m_refreshLater.setSingleShot(true);
    m_refreshLater.setInterval(300);
    connect(&m_refreshLater, &QTimer::timeout, this, &ModelLibraryPanel::refresh);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_refreshLater, qOverload<>(&QTimer::start));
    refresh();
}

QString ModelLibraryPanel::selectedFile() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? item->data(NameColumn, Qt::UserRole).toString() : QString();
}

void ModelLibraryPanel::refresh()
{
    const QString keep = selectedFile();
    const QList<ModelLibraryEntry> entries = m_scanner.scan(m_root);
    m_list->setSortingEnabled(false);
    m_list->clear();
    int problems = 0;
    const QLocale locale;
    for (const ModelLibraryEntry& e : entries) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(NameColumn, e.name);
        item->setData(NameColumn, Qt::UserRole, e.filePath);
        item->setText(DeviceColumn, e.deviceId);
        item->setText(CategoryColumn, e.category);
        item->setText(ModifiedColumn, locale.toString(e.modified, QLocale::ShortFormat));
        item->setToolTip(NameColumn, e.filePath);
        if (!e.problem.isEmpty()) {
            ++problems;
            item->setIcon(NameColumn, style()->standardIcon(QStyle::SP_MessageBoxWarning));
            for (int c = NameColumn; c <= ModifiedColumn; ++c)
                item->setToolTip(c, e.problem);
        }
        if (e.filePath == keep) {
            m_list->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    m_list->setSortingEnabled(true);
    QString summary = (entries.size() == 1 ? tr("1 model in %1") : tr("%1 models in %2").arg(entries.size()))
                          .arg(m_root);
    if (problems)
        summary += tr(", %1 with reading problems (see the tool tips)").arg(problems);
    m_summary->setText(summary);
    watchFolders();
    updateButtons();
}

void ModelLibraryPanel::watchFolders()
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (!QFileInfo(m_root).isDir())
        return;
    QStringList folders{m_root};
    QDirIterator it(m_root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.next();
    m_watcher->addPaths(folders);
}

void ModelLibraryPanel::updateButtons()
{
    const bool any = !selectedFile().isEmpty();
    m_edit->setEnabled(any);
    m_view->setEnabled(any);
}

void ModelLibraryPanel::editSelected()
{
    open(false);
}

void ModelLibraryPanel::viewSelected()
{
    open(true);
}

void ModelLibraryPanel::open(bool viewOnly)
{
    QString file = selectedFile();
    if (file.isEmpty())
        return;
    auto* pw = m_host.create<LxiPartwright>(QStringLiteral("LxiPartwright"));
    if (!pw) {
        m_summary->setText(tr("The plug-in offers no LxiPartwright interface: models cannot be opened."));
        return;
    }
    const bool ok = pw->editModelFile(window(), file, viewOnly);
    pw->release();
    refresh();
    emit modelEdited(file, ok);
}
