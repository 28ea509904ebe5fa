// Menu bar and tool bar of the main window.

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "project/symbol_codes.h"
#include "resources/toolbar_icons.h"
#include "tform1.h"

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// A plain item shown as a row of dashes; clicking it does nothing.
void addDashes(QMenu* menu, const char* name) {
    addItem(menu, name, QStringLiteral("----------"));
}

}  // namespace

void TForm1::buildMenus() {
    MenuEnglish = new QMenuBar(this);
    MenuEnglish->setObjectName(QStringLiteral("MenuEnglish"));
    setMenuBar(MenuEnglish);

    QMenu* file = MenuEnglish->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* newItem = addItem(file, "New1", QStringLiteral("&New"));
    newItem->setShortcut(QKeySequence::New);
    connect(newItem, &QAction::triggered, this, [this] { New1Click(); });
    QAction* openItem = addItem(file, "Open1", QStringLiteral("&Open"));
    openItem->setShortcut(QKeySequence::Open);
    connect(openItem, &QAction::triggered, this, [this] { Open1Click(); });
    Save1 = addItem(file, "Save1", QStringLiteral("&Save"));
    Save1->setShortcut(QKeySequence::Save);
    connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(addItem(file, "SaveAs1", QStringLiteral("S&ave As")), &QAction::triggered, this,
            [this] { SaveAs1Click(); });
    addDashes(file, "N1");
    connect(addItem(file, "Send1", QStringLiteral("S&end...")), &QAction::triggered, this,
            [this] { Send1Click(); });
    addDashes(file, "N2");
    connect(addItem(file, "Exit1", QStringLiteral("&Exit")), &QAction::triggered, this,
            [this] { Exit1Click(); });
    addDashes(file, "N3");
    static const char* recentNames[] = {"I01", "I11", "I21", "I31"};
    for (int i = 0; i < 4; ++i) {
        QAction* item = addItem(file, recentNames[i], QStringLiteral("I%1").arg(i));
        item->setVisible(false);
        recentItems[static_cast<std::size_t>(i)] = item;
    }
    connect(recentItems[0], &QAction::triggered, this, [this] { I01Click(); });
    connect(recentItems[1], &QAction::triggered, this, [this] { I11Click(); });
    connect(recentItems[2], &QAction::triggered, this, [this] { I21Click(); });
    connect(recentItems[3], &QAction::triggered, this, [this] { I31Click(); });

    QMenu* picture = MenuEnglish->addMenu(QStringLiteral("&Picture"));
    picture->setObjectName(QStringLiteral("Edit1"));
    const std::array<void (TForm1::*)(), 12> pictureHandlers = {
        &TForm1::Star1Click,       &TForm1::Heart1Click,    &TForm1::LeftArrow1Click,
        &TForm1::RightArrow1Click, &TForm1::Phone1Click,    &TForm1::Plane1Click,
        &TForm1::Smile1Click,      &TForm1::Circle01Click,  &TForm1::Circle1Click,
        &TForm1::UserDefine1Click, &TForm1::Question1Click, &TForm1::Full1Click};
    std::size_t index = 0;
    for (const auto& code : varnel::pictureSymbolCodes()) {
        QAction* item = addItem(picture, std::string(code.menuItem).c_str(),
                                QString::fromLatin1(code.menuCaption.data(),
                                                    static_cast<int>(code.menuCaption.size())));
        auto handler = pictureHandlers[index++];
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }

    // Speed and Action menus: legends of disabled items with the button pictures.
    QMenu* speed = MenuEnglish->addMenu(QStringLiteral("S&peed"));
    speed->setObjectName(QStringLiteral("Edit2"));
    struct Legend {
        const char* name;
        const char* caption;
        const char* picture;
    };
    for (Legend l : {Legend{"Faster1", "&Fastest", "s5.dat"},
                     Legend{"Normal1", "F&aster", "s4.dat"}, Legend{"Slow1", "Fa&st", "s3.dat"},
                     Legend{"Normal2", "&Normal", "s2.dat"}, Legend{"Slow2", "&Slow", "s1.dat"}}) {
        QAction* item = addItem(speed, l.name, QString::fromLatin1(l.caption));
        item->setData(QString::fromLatin1(l.picture));
        item->setEnabled(false);
    }
    QMenu* action = MenuEnglish->addMenu(QStringLiteral("&Action"));
    action->setObjectName(QStringLiteral("Action1"));
    for (Legend l :
         {Legend{"Hold2", "Hold", "a1.dat"}, Legend{"Rotate1", "Rotate", "a1.dat"},
          Legend{"Scroll1", "Scroll", "a2.dat"}, Legend{"Snow1", "Snow", "a4.dat"},
          Legend{"Twinkle1", "Flash", "a6.dat"}, Legend{"Twinkle2", "Twinkle", "a5.dat"}}) {
        QAction* item = addItem(action, l.name, QString::fromLatin1(l.caption));
        item->setData(QString::fromLatin1(l.picture));
        item->setEnabled(false);
        if (std::string_view(l.name) == "Rotate1") {
            item->setVisible(false);
        }
    }

    QMenu* font = MenuEnglish->addMenu(QStringLiteral("F&ont"));
    font->setObjectName(QStringLiteral("Font1"));
    connect(addItem(font, "Normal3", QStringLiteral("Font&1")), &QAction::triggered, this,
            [this] { Normal3Click(); });
    connect(addItem(font, "Bold1", QStringLiteral("Font&2")), &QAction::triggered, this,
            [this] { Bold1Click(); });
    connect(addItem(font, "Font31", QStringLiteral("Font3")), &QAction::triggered, this,
            [this] { Font31Click(); });

    QMenu* help = MenuEnglish->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    connect(addItem(help, "About1", QStringLiteral("&About")), &QAction::triggered, this,
            [this] { About1Click(); });
}

void TForm1::buildToolBar() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto add = [this](const QString& name, const QString& hint, auto handler) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setIcon(varnel::ui::toolBarIcon(name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the message edit
        connect(button, &QToolButton::clicked, this, handler);
        ToolBar1->addWidget(button);
        return button;
    };
    auto latin = [](std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
    };

    add(QStringLiteral("BtnNew"), QStringLiteral("Create a new file"), [this] { BtnNewClick(); });
    add(QStringLiteral("BtnOpen"), QStringLiteral("Open a file"), [this] { BtnOpenClick(); });
    BtnSave = add(QStringLiteral("BtnSave"), QStringLiteral("Save"), [this] { BtnSaveClick(); });
    BtnSave->setEnabled(false);
    ToolBar1->addSeparator();
    // The symbol-code buttons, in the order of the code tables.
    using Handler = void (TForm1::*)();
    const std::array<Handler, 12> pictureHandlers = {
        &TForm1::PicStarClick,     &TForm1::BtnHeartClick,       &TForm1::BtnLeftClick,
        &TForm1::BtnRightClick,    &TForm1::BtnPhoneClick,       &TForm1::BtnPhone0Click,
        &TForm1::BtnSmileClick,    &TForm1::BtnCircleSolidClick, &TForm1::BtnCircleClick,
        &TForm1::ToolButton5Click, &TForm1::ToolButton4Click,    &TForm1::BtnNullClick};
    const std::array<Handler, 6> switchHandlers = {
        &TForm1::ToolFont0Click,   &TForm1::ToolFont1Click,   &TForm1::ToolFont2Click,
        &TForm1::ToolButton6Click, &TForm1::ToolButton9Click, &TForm1::ToolButton10Click};
    std::size_t i = 0;
    for (const auto& code : varnel::pictureSymbolCodes()) {
        Handler h = pictureHandlers.at(i++);
        add(latin(code.toolButton), latin(code.hint), [this, h] { (this->*h)(); });
    }
    ToolBar1->addSeparator();
    i = 0;
    for (const auto& code : varnel::switchSymbolCodes()) {
        Handler h = switchHandlers.at(i++);
        add(latin(code.toolButton), latin(code.hint), [this, h] { (this->*h)(); });
    }
    ToolBar1->addSeparator();
    add(QStringLiteral("ToolButton7"), QStringLiteral("Input Chars"),
        [this] { ToolButton7Click(); });
    ToolBar1->addSeparator();
    add(QStringLiteral("ToolButton2"), QStringLiteral("Image Editor"),
        [this] { ToolButton2Click(); });
}

void TForm1::refreshLegendPictures() {
    // The Speed and Action legends show the button pictures of the program folder, which exist
    // only once the stored ones have been written.
    for (QMenu* legend : {findChild<QMenu*>(QStringLiteral("Edit2")),
                          findChild<QMenu*>(QStringLiteral("Action1"))}) {
        for (QAction* item : legend->actions()) {
            item->setIcon(pictureFileIcon(item->data().toString().toStdString()));
        }
    }
}
