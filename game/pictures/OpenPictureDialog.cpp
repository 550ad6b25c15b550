#include "OpenPictureDialog.h"

#include "PictureKinds.h"
#include "PreviewPane.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QSize PaneSize(176, 152);
// Room for the file list's columns and a few rows above the preview.
const QSize SmallestStartSize(760, 580);
const QSize ArrowSize(24, 20);

QPushButton* MakeArrow(const QString& text, const QString& name, const QString& spokenName,
                       QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(spokenName);
    button->setFixedSize(ArrowSize);
    button->setAutoDefault(false);
    // Hidden arrows keep their room, so the counter does not jump about.
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}

} // namespace

OpenPictureDialog::OpenPictureDialog(QWidget* parent)
    : QFileDialog(parent)
    , preview_([this](const QString& message) { ShowMessage(message); })
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    UseSupportedFilesFilter();

    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(MakePreviewArea(), grid->rowCount(), 0, 1, grid->columnCount());
    resize(sizeHint().expandedTo(SmallestStartSize));

    connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
        preview_.SelectionChanged(path);
        Refresh();
    });
    connect(this, &QFileDialog::directoryEntered, this, [this] {
        preview_.FolderChanged();
        Refresh();
    });
    Refresh();
}

QString OpenPictureDialog::FilterText()
{
    // The long-standing entries first (BMP, GIF, JPG, ZIP), then the other picture kinds.
    QStringList patterns = PictureAndArchivePatterns();
    patterns.move(patterns.size() - 1, 3);
    return tr("Supported files (%1)").arg(patterns.join(QLatin1Char(';')).toUpper());
}

QString OpenPictureDialog::FileTitle() const
{
    return chosen_.Path.isEmpty() ? QString() : QFileInfo(chosen_.Path).fileName();
}

PictureSource OpenPictureDialog::Chosen() const
{
    return chosen_;
}

void OpenPictureDialog::done(int result)
{
    chosen_ = PictureSource();
    if (result == QDialog::Accepted && !selectedFiles().isEmpty()) {
        const QString path = FollowSymbolicLink(selectedFiles().constFirst());
        // A name typed in after stepping through another archive starts at its first picture.
        chosen_ = path == preview_.CurrentPath() ? preview_.Source() : PictureSource::ForPath(path);
    }
    QFileDialog::done(result);
}

QWidget* OpenPictureDialog::MakePreviewArea()
{
    auto* area = new QWidget(this);
    previewBox_ = new QCheckBox(QStringLiteral("Preview"), area);
    previewBox_->setObjectName(QStringLiteral("previewCheck"));
    previewBox_->setChecked(true);
    pane_ = new PreviewPane(area);
    pane_->setFixedSize(PaneSize);
    pane_->setAccessibleName(tr("Preview picture"));
    preview_.SetPaneSize(PaneSize * devicePixelRatio());
    previousButton_ = MakeArrow(QStringLiteral("<"), QStringLiteral("previousButton"),
                                tr("Previous picture"), area);
    nextButton_ = MakeArrow(QStringLiteral(">"), QStringLiteral("nextButton"), tr("Next picture"), area);
    counterLabel_ = new QLabel(area);
    counterLabel_->setObjectName(QStringLiteral("counterLabel"));
    counterLabel_->setAlignment(Qt::AlignCenter);

    auto* arrows = new QHBoxLayout;
    arrows->addWidget(previousButton_);
    arrows->addWidget(counterLabel_, 1);
    arrows->addWidget(nextButton_);

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(previewBox_, 0, Qt::AlignHCenter);
    column->addWidget(pane_);
    column->addLayout(arrows);

    // The preview column sits in the middle of the dialog's width.
    auto* centred = new QHBoxLayout(area);
    centred->setContentsMargins(0, 6, 0, 0);
    centred->addStretch(1);
    centred->addLayout(column);
    centred->addStretch(1);

    connect(previewBox_, &QCheckBox::toggled, this, [this](bool on) {
        preview_.SetPreviewOn(on);
        Refresh();
    });
    connect(previousButton_, &QPushButton::clicked, this, [this] {
        preview_.StepBack();
        Refresh();
    });
    connect(nextButton_, &QPushButton::clicked, this, [this] {
        preview_.StepForward();
        Refresh();
    });
    return area;
}

void OpenPictureDialog::showEvent(QShowEvent* event)
{
    QFileDialog::showEvent(event);
    // After the toolkit has put back the column widths it remembers.
    FitDetailColumns();
}

void OpenPictureDialog::FitDetailColumns()
{
    // Sizes, types and dates shown whole; the names take the rest of the width.
    auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (details == nullptr)
        return;
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

void OpenPictureDialog::UseSupportedFilesFilter()
{
    setNameFilter(FilterText());
    // The toolkit reads blank-separated patterns from the filter's text and would take the
    // semicolon list above for one pattern; the file list gets the real patterns instead, again
    // whenever the filter is chosen anew. The file list compares names without regard to case.
    auto applyPatterns = [this] {
        if (auto* files = findChild<QFileSystemModel*>())
            files->setNameFilters(PictureAndArchivePatterns());
    };
    applyPatterns();
    connect(this, &QFileDialog::filterSelected, this, applyPatterns);
}

void OpenPictureDialog::ShowMessage(const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, this);
    box.exec();
}

void OpenPictureDialog::Refresh()
{
    previousButton_->setVisible(preview_.IsArchive());
    nextButton_->setVisible(preview_.IsArchive());
    counterLabel_->setText(preview_.CounterText());
    pane_->Show(preview_.ShowsPicture() ? &preview_.Preview() : nullptr);
    pane_->setAccessibleDescription(PaneDescription());
}

// What the pane shows, for those who cannot see it.
QString OpenPictureDialog::PaneDescription() const
{
    if (!preview_.ShowsPicture())
        return tr("No picture");
    const QString file = QFileInfo(preview_.CurrentPath()).fileName();
    if (!preview_.IsArchive())
        return file;
    return tr("%1, picture %2 of %3").arg(file).arg(preview_.PictureNumber()).arg(preview_.PictureCount());
}
