#include "sets/ui/createsetwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace parkwen {

namespace {
// Designed sizes in pixels (15 twips each): the controls are 5775 twips wide, the list 5910 high and
// the button 495 high.
constexpr int ControlWidth = 385;
constexpr int ListHeight = 394;
constexpr int ButtonHeight = 33;

QLabel* smallLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}
} // namespace

CreateSetWindow::CreateSetWindow(SetForm form, SetStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_form(std::move(form)), m_store(store), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("CreateSet"));
    setWindowTitle(m_form.editMode ? tr("Edit Set") : tr("Create Set"));
    setModal(true);

    m_nameLabel = smallLabel(tr("Name of Set:"), QStringLiteral("Label8"), this);
    m_name = new QLineEdit(m_form.name, this);
    m_name->setObjectName(QStringLiteral("SetFname"));
    m_name->setReadOnly(m_form.editMode);
    if (m_form.editMode) {
        // A locked name looks locked: the box takes the window's background.
        QPalette palette = m_name->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        m_name->setPalette(palette);
    }
    m_nameLabel->setBuddy(m_name);

    m_listLabel =
        smallLabel(tr("Tick the Files to be Included in your set."), QStringLiteral("Label1"), this);
    m_cars = new QListWidget(this);
    m_cars->setObjectName(QStringLiteral("CarSet"));
    m_cars->setUniformItemSizes(true);
    m_listLabel->setBuddy(m_cars);
    for (qsizetype i = 0; i < m_form.entries.size(); ++i) {
        auto* item = new QListWidgetItem(m_form.entries[i], m_cars);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool ticked = i < m_form.ticked.size() && m_form.ticked[i];
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (m_cars->count() > 0)
        m_cars->setCurrentRow(0, QItemSelectionModel::NoUpdate);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setAutoDefault(false);
    m_ok->setDefault(true);
    m_ok->setMinimumHeight(ButtonHeight);

    m_name->setMinimumWidth(ControlWidth);
    m_cars->setMinimumSize(ControlWidth, ListHeight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(m_listLabel);
    layout->addWidget(m_cars, 1);
    layout->addWidget(m_ok);

    connect(m_ok, &QPushButton::clicked, this, &CreateSetWindow::okClicked);

    // Editing starts in the list (the name is locked); creating starts by naming the set.
    if (m_form.editMode)
        m_cars->setFocus();
    else
        m_name->setFocus();
}

SetForm CreateSetWindow::form() const
{
    SetForm form = m_form;
    form.name = m_name->text();
    form.ticked.resize(m_cars->count());
    for (int i = 0; i < m_cars->count(); ++i)
        form.ticked[i] = m_cars->item(i)->checkState() == Qt::Checked;
    return form;
}

void CreateSetWindow::okClicked()
{
    m_form = form();
    const bool saved = saveSet(m_form, m_store, m_dialogs);
    m_name->setText(m_form.name);
    if (saved)
        accept();
}

} // namespace parkwen
