#include "pages/ModificationPage.h"

#include "config/WizardState.h"
#include "controls/CmyRichEditCtrl.h"
#include "device/DeviceLink.h"
#include "pages/ChannelCountPage.h"
#include "pages/WelcomePage.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/ProgramResources.h"
#include "shell/WizardSheet.h"
#include "util/ProgramDirectory.h"
#include "util/Prompter.h"

#include <QBitmap>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kPictureSize = 32;
constexpr int kSmallestPixels = 9;
const QColor kMaskColour(191, 191, 194);
const QColor kDescriptionBackground(234, 244, 255);

} // namespace

ModificationPage::ModificationPage(QWidget* parent)
    : WizardPage(kDialogId, parent), descriptionFolder(ProgramDirectory()) {}

bool ModificationPage::OnInitDialog() {
    BuildPictures();
    list = new QListWidget(this);
    list->setObjectName(QString::number(kListId));
    list->setGeometry(DialogUnits::Rect(0, 0, 68, 192));
    list->setViewMode(QListView::IconMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(false);
    list->setMovement(QListView::Static);
    list->setIconSize(QSize(kPictureSize, kPictureSize));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < kModificationCount; ++i)
        list->addItem(new QListWidgetItem(QIcon(pictures[i]), QString("Модификация №%1").arg(i + 1)));
    FitEntries();
    connect(list, &QListWidget::itemSelectionChanged, this, &ModificationPage::SelectionChanged);

    description = new CmyRichEditCtrl(this);
    description->setObjectName(QString::number(kDescriptionId));
    // The load's button under the description.
    description->setGeometry(DialogUnits::Rect(68, 1, 250, 172));
    connect(AddButton(kLoadId, QRect(168, 177, 150, 14), "Загрузить конфигурацию..."),
            &QPushButton::clicked, this, [this] { load.Start(); });
    description->setReadOnly(true);
    description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette look = description->palette();
    look.setColor(QPalette::Base, kDescriptionBackground);
    description->setPalette(look);
    Detect();
    return true;
}

// All six entries with their whole names in the list's height, each name on
// one line under its picture.
void ModificationPage::FitEntries() {
    // The viewport has no size of its own before the page is first shown.
    const int width = list->width() - 2 * list->frameWidth();
    const QString longest = list->item(kModificationCount - 1)->text();
    QFont font = list->font();
    for (int pixels = QFontInfo(font).pixelSize();
         QFontMetrics(font).horizontalAdvance(longest) > width - 12 && pixels > kSmallestPixels;)
        font.setPixelSize(--pixels);
    list->setFont(font);
    const int height = (list->height() - 2 * list->frameWidth()) / kModificationCount;
    list->setGridSize(QSize(width, std::max(height, kPictureSize + QFontMetrics(font).height())));
}

// One picture holds the six modifications' pictures side by side on the mask colour.
void ModificationPage::BuildPictures() {
    const QPixmap all = ProgramResources::Picture(QString(":/bitmaps/%1.png").arg(kPicturesId));
    pictures.clear();
    for (int i = 0; i < kModificationCount; ++i) {
        QPixmap picture = all.copy(i * kPictureSize, 0, kPictureSize, kPictureSize);
        picture.setMask(picture.createMaskFromColor(kMaskColour));
        pictures.push_back(picture);
    }
}

void ModificationPage::Detect() {
    DeviceServices& device = *Services();
    Sheet()->RunProcedure(
        this, [&device] { return DetectModification(device.Operations(), device.Link()); },
        [this](int modification) {
            // Unknown: the warning was shown and the selection stays.
            if (IsKnownModification(modification))
                SelectModification(modification);
        });
}

void ModificationPage::SelectModification(int modification) {
    Services()->State().Modification = modification;
    list->setCurrentRow(modification - 1);
    list->scrollToItem(list->currentItem());
    list->setFocus();
}

void ModificationPage::OnPageShown() {
    Sheet()->setWindowTitle("Выбор модификации");
    Sheet()->EnableBack(true);
    list->setFocus();
    ShowDescription();
}

// Later pages read the modification at once, also after Back.
void ModificationPage::SelectionChanged() {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    ShowDescription();
    Sheet()->setWindowIcon(QIcon(pictures.at(list->row(selected.front()))));
}

void ModificationPage::ShowDescription() {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const int entry = list->row(selected.front());
    Services()->State().Modification = entry + 1;
    const std::string path = descriptionFolder + std::to_string(entry + 1) + ".rtf";
    if (!description->LoadRtfFile(QString::fromStdString(path)))
        ShowMessage("Файл " + path + " не найден!", {}, PromptIcon::Warning);
}

int ModificationPage::GetPrevPageId() {
    return WelcomePage::kDialogId;
}

int ModificationPage::GetNextPageId() {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return -1; // no modification to switch to
    const int modification = list->row(selected.front()) + 1;
    DeviceServices& device = *Services();
    const ModificationChange::Timing timing = changeTiming;
    Sheet()->RunProcedure(
        this,
        [&device, modification, timing] {
            ModificationChange change(device.Operations(), device.Link(), device.Progress(),
                                      device.Link().Port().exit_event());
            change.SetTiming(timing);
            return static_cast<int>(change.Run(modification));
        },
        [this](int outcome) { ChangeFinished(static_cast<ModificationOutcome>(outcome)); });
    return -1;
}

void ModificationPage::ChangeFinished(ModificationOutcome outcome) {
    switch (outcome) {
    case ModificationOutcome::Kept:
    case ModificationOutcome::Changed:
        Sheet()->ShowPageById(ChannelCountPage::kDialogId);
        break;
    case ModificationOutcome::Declined:
        // The cancel command: the exit question follows once this returns.
        QMetaObject::invokeMethod(Sheet(), &WizardSheet::OnExit, Qt::QueuedConnection);
        break;
    case ModificationOutcome::Busy:
    case ModificationOutcome::Failed:
    case ModificationOutcome::Aborted:
        break;
    }
}
