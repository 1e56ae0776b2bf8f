#include "windowmenus.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>

#include "menuitemaccessible.h"
#include "platform/canvaswidget.h"
#include "platform/translation.h"
#include "plotexports.h"
#include "practicesetdialog.h"
#include "programname.h"
#include "shortcutpassthrough.h"
#include "soundactions.h"

namespace oltrave {

namespace {

QAction* contextAction(QWidget* widget, const char* name, const QString& caption) {
    auto* action = new QAction(caption, widget);
    action->setObjectName(QLatin1String(name));
    widget->addAction(action);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    return action;
}

} // namespace

WindowMenus::WindowMenus(QMainWindow& window, const Form& form, PlotExports& exports,
                         const Run& run, const AddItems& viewItems)
    : QObject(&window), window_(window), form_(form), exports_(exports), run_(run) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("file"));
    const auto fileCommand = [file, &exports](const char* name, const QString& caption,
                                              void (PlotExports::*handler)()) {
        QAction* action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, &exports, handler);
        return action;
    };
    fileCommand("filesaveimage", tr("Save Image(&S)..."), &PlotExports::saveImage);
    fileCommand("fileexportpdf", tr("Export Worksheet (PDF)(&W)..."),
                &PlotExports::exportWorksheet);
    fileCommand("fileexportsvg", tr("Export SVG(&G)..."), &PlotExports::exportSvg);
    // Ctrl+P is the Print command of the Edit menu.
    QAction* print =
        fileCommand("fileprint", tr("Print Worksheet(&P)..."), &PlotExports::printWorksheet);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    window.addAction(print);
    fileCommand("fileprintpreview", tr("Print Preview(&V)..."), &PlotExports::previewWorksheet);
    file->addSeparator()->setObjectName(QStringLiteral("file_line0"));
    QAction* practice = file->addAction(tr("New Practice Set(&N)..."));
    practice->setObjectName(QStringLiteral("filepracticeset"));
    connect(practice, &QAction::triggered, &window,
            [&window] { PracticeSetDialog::askAndPreview(window); });
    file->addSeparator()->setObjectName(QStringLiteral("file_line1"));
    QAction* quit = file->addAction(tr("Quit(&Q)"));
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    window.addAction(quit);
    connect(quit, &QAction::triggered, &window, &QWidget::close);

    QMenu* edit = bar->addMenu(tr("Edit(&E)"));
    edit->setObjectName(QStringLiteral("edit"));
    const QList<QAction*> commands{
        addCommand(edit, "print", tr("Print(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P),
                   FormCommand::Plot),
        addCommand(edit, "reprint", tr("RePrint(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R),
                   FormCommand::Replot),
        addCommand(edit, "calculate", tr("Calculate(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A),
                   FormCommand::Evaluate),
    };
    edit->addSeparator()->setObjectName(QStringLiteral("menu_line1"));
    QAction* clear = addCommand(edit, "clear", tr("Clear(&L)"),
                                QKeySequence(Qt::SHIFT | Qt::Key_Delete), FormCommand::ClearAll);

    QMenu* view = bar->addMenu(tr("View(&V)"));
    view->setObjectName(QStringLiteral("view"));
    exact_ = view->addAction(tr("Exact Values"));
    exact_->setObjectName(QStringLiteral("exact"));
    exact_->setCheckable(true);
    exact_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    window.addAction(exact_);
    keyPoints_ = view->addAction(tr("Key Points(&K)"));
    keyPoints_->setObjectName(QStringLiteral("keypoints"));
    keyPoints_->setCheckable(true);
    if (viewItems)
        viewItems(*view);
    view->addSeparator();
    sound_ = new SoundActions(window, *view, form);
    view->addSeparator();
    buildLanguageMenu(view);

    QMenu* help = bar->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("help"));
    QAction* about = help->addAction(aboutCaption());
    about->setObjectName(QStringLiteral("informationabout"));
    connect(about, &QAction::triggered, this, &WindowMenus::aboutRequested);

    // Popups read as their menu's words, whichever menus the bar holds.
    for (QAction* entry : bar->actions()) {
        if (QMenu* menu = entry->menu())
            menu->setAccessibleName(MenuItemAccessible::spoken(menu->title()));
    }

    // Every control: the mode buttons' focus policy follows the chosen mode.
    auto* passThrough = new ShortcutPassThrough(commands + QList<QAction*>{clear, exact_}, this);
    for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>())
        passThrough->watch(widget);
}

QAction* WindowMenus::addCommand(QMenu* menu, const char* name, const QString& caption,
                                 const QKeySequence& shortcut, FormCommand command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    window_.addAction(action); // the shortcut works while the menu is closed
    connect(action, &QAction::triggered, this, [this, command] { run_(command); });
    return action;
}

// Each language is named in its own words, whatever the window speaks.
void WindowMenus::buildLanguageMenu(QMenu* view) {
    QMenu* languages = view->addMenu(tr("Language(&L)"));
    languages->setObjectName(QStringLiteral("language"));
    auto* group = new QActionGroup(languages);
    const std::pair<Language, QString> choices[] = {
        {Language::English, QStringLiteral("English")},
        {Language::Chinese, QStringLiteral("简体中文")},
    };
    for (const auto& [language, name] : choices) {
        QAction* action = languages->addAction(name);
        const std::string_view code = languageCode(language);
        action->setObjectName(QStringLiteral("language_") +
                              QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
        action->setCheckable(true);
        action->setChecked(language == chosenLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language = language] { pickLanguage(language); });
    }
}

QString WindowMenus::aboutCaption() {
    return tr("About %1(&A)...").arg(programName());
}

// The words change at once; the list keeps the lines it holds.
void WindowMenus::pickLanguage(Language language) {
    emit languageChosen(language);
    if (language == chosenLanguage())
        return;
    useLanguage(language);
    emit languageSwitched();
}

void WindowMenus::addContextMenus(QAbstractItemView& list, CanvasWidget& area) {
    QAction* copy = contextAction(&list, "copy", tr("Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this, &list] { copyLines(list, true); });
    QAction* copyAll = contextAction(&list, "copyall", tr("Copy All"));
    connect(copyAll, &QAction::triggered, this, [this, &list] { copyLines(list, false); });

    PlotExports* exports = &exports_;
    QAction* save = contextAction(&area, "saveimage", tr("Save Image..."));
    connect(save, &QAction::triggered, exports, &PlotExports::saveImage);
    QAction* pdf = contextAction(&area, "exportpdf", tr("Export Worksheet (PDF)..."));
    connect(pdf, &QAction::triggered, exports, &PlotExports::exportWorksheet);
    QAction* svg = contextAction(&area, "exportsvg", tr("Export SVG..."));
    connect(svg, &QAction::triggered, exports, &PlotExports::exportSvg);
    QAction* print = contextAction(&area, "printworksheet", tr("Print Worksheet..."));
    connect(print, &QAction::triggered, exports, &PlotExports::printWorksheet);
}

// The lines in list order, however they were selected; nothing to copy leaves
// the clipboard as it was.
void WindowMenus::copyLines(const QAbstractItemView& list, bool selectedOnly) {
    const Session& session = form_.session();
    std::vector<int> rows;
    if (selectedOnly) {
        for (const QModelIndex& index : list.selectionModel()->selectedIndexes())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
    } else {
        for (int row = 0; row < session.lineCount(); ++row)
            rows.push_back(row);
    }
    if (rows.empty())
        return;
    QStringList lines;
    for (const int row : rows)
        lines << QString::fromStdString(session.line(row).text);
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

} // namespace oltrave
