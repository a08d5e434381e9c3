#pragma once

#include "app/AppPath.h"
#include "game/FolderFiles.h"
#include "game/Game.h"
#include "skins/SkinNames.h"
#include "ui/ControlArray.h"
#include "ui/FormSlot.h"

#include <QMainWindow>

#include <array>
#include <cstdint>

class CellRow;
class ClientArea;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class ImageControl;
class LineControl;
class Platform;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class ShapeControl;

// The main window: it owns the game in progress and opens every other window.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(const QString& appFolder, Platform& platform);
    ~Form1() override;

    const QString& appFolder() const { return m_appFolder; }
    Platform& platform() const { return m_platform; }

    // Also the new-game procedure: every run sets up the next game.
    void Form_Load();

    // Called by other windows.
    void Paracat();
    void Repetiralabrir();
    void Imagen();
    void CargarSkin();

    // Game play
    void Command3_Click(std::int16_t Index);
    void Command4_Click();
    void Command2_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void Haganado();

    // The other windows, each made on first use and at most once.
    FormSlot<Form2> form2;
    FormSlot<Form3> form3;
    FormSlot<Form4> form4;
    FormSlot<Form5> form5;
    FormSlot<Form6> form6;
    FormSlot<Form7> form7;

    // The game in progress, for the windows and tests that read it.
    const Game& game() const { return m_game; }

    // Word area
    ShapeControl* Shape1 = nullptr;
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line3 = nullptr;
    LineControl* Line4 = nullptr;
    CellRow* Text1 = nullptr;
    CellRow* Label9 = nullptr;
    QLabel* Label10 = nullptr;

    // Command row
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

    // Character keyboard, indexed by Windows-1252 character code
    ControlArray<QPushButton> Command3;

    // Score row and used characters
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;

    // Picture area
    LineControl* Line5 = nullptr;
    ImageControl* Image1 = nullptr;
    // The gallows at each number of failures, up to the one that loses.
    std::array<ImageControl*, skins::pictures::gallowsStages> I{};
    QLineEdit* Text3 = nullptr;

    // Menu
    QMenu* mnujuego = nullptr;
    QAction* mnunuevo = nullptr;
    QAction* mnuCategorias = nullptr;
    QAction* mnuestadisticas = nullptr;
    QAction* mnuskins = nullptr;
    QMenu* mnuayuda = nullptr;
    QAction* mnuayuda2 = nullptr;
    QAction* mnuguion = nullptr;
    QAction* mnuagradecimientos = nullptr;
    QAction* mnuacerca = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void mnunuevo_Click();
    void mnuCategorias_Click();
    void mnuestadisticas_Click();
    void mnuskins_Click();
    void mnuayuda2_Click();
    void mnuagradecimientos_Click();
    void mnuacerca_Click();

private:
    void createWordArea();
    void createCommandRow();
    void createKeyboard();
    void createScoreRow();
    void createPictureArea();
    void createMenu();
    void setTabOrder();
    void connectEvents();

    void Form_Unload();
    void Form_GotFocus();

    // Screen readers
    void nameControls();
    void describeGame();
    void showHintWhenFocused(QEvent* event);

    // Showing the game in progress
    void showDigitKeys();
    void showGame();
    void showMove(Outcome outcome);
    void showLoss();
    // Shows a result picture, named for screen readers.
    void showResult(const ImageControl& picture, const QString& spokenName);
    void centreForm2();

    QString m_appFolder;
    Platform& m_platform;
    ClientArea* m_client = nullptr;

    bool SkinCargado = false;
    std::int16_t Colocada = 0;

    FolderFiles m_files;
    Game m_game;
};
