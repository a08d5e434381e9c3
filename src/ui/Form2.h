#pragma once

#include <QWidget>

class ImageControl;

// The result picture window: shows the won, lost or no-points picture of the
// current skin over the main window until a key or a mouse press.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // `resumeTyping` takes the keyboard focus once the window has closed.
    Form2(const QString& appFolder, QWidget* resumeTyping);

    ImageControl* Image1 = nullptr;
    ImageControl* Pun = nullptr;
    ImageControl* Gan = nullptr;
    ImageControl* Per = nullptr;

    // Fills the hidden holders from the current skin; a picture that cannot be
    // read leaves its holder as it was.
    void loadPictures();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void Image1_MouseDown();

private:
    void Form_Load();
    void closeAndResume();

    QString m_appFolder;
    QWidget* m_resumeTyping;
};
