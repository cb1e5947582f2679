// The single-electrode calculator window, offscreen: the list, the refresh, the fields, the
// pictures and "Рассчитать".
#include "single/SingleElectrodeWindow.h"
#include "base/NumberText.h"
#include "single/JpegPicture.h"
#include "single/PictureError.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class SingleElectrodeWindowTest : public QObject {
    Q_OBJECT

private:
    template <class T> T* child(const char* name) const {
        T* w = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QComboBox* combo() const { return child<QComboBox>("ComboBox1"); }
    QLineEdit* edit(int n) const {
        return child<QLineEdit>(QStringLiteral("Edit%1").arg(n).toLatin1().constData());
    }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    QPushButton* button() const { return child<QPushButton>("Button1"); }
    QImage shown() const {
        return label("Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QString builtPicture(int n) {
        return QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("image/%1.jpg").arg(n));
    }
    static QImage decoded(const QString& path) {
        return readJpegPicture(path).convertToFormat(QImage::Format_RGB32);
    }
    void putPicture(int n, const QByteArray& bytes) const {
        QDir(m_current->path()).mkpath(QStringLiteral("image"));
        QFile f(QDir(m_current->path()).filePath(QStringLiteral("image/%1.jpg").arg(n)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Opens the list, picks the item at position with the keyboard and lets the list close.
    void chooseFromList(int position) {
        QComboBox* box = combo();
        box->showPopup();
        QAbstractItemView* view = box->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(box->model()->index(position, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->parentWidget()->isVisible());
        QCoreApplication::processEvents();
    }
    // Opens the list and closes it again without choosing.
    void openAndCloseList() {
        combo()->showPopup();
        QTRY_VERIFY(combo()->view()->isVisible());
        combo()->hidePopup();
        QCoreApplication::processEvents();
    }
    void fill(std::initializer_list<const char*> texts) {
        int n = 1;
        for (const char* t : texts)
            edit(n++)->setText(QString::fromUtf8(t));
    }
    // Moves the pointer over the window's own background.
    void hoverBackground() { windowtest::hover(m_window.get()); }

    RecordingSink m_sink;
    const NumberText m_numbers{QLatin1Char(',')};
    std::unique_ptr<TForm11> m_window;
    std::unique_ptr<QTemporaryDir> m_current;
    QString m_startFolder;

private slots:
    void initTestCase() {
        windowtest::useProgramFonts();
        m_startFolder = QDir::currentPath();
        QVERIFY2(QFile::exists(builtPicture(1)), "the pictures are built beside the test");
    }
    void init() {
        // Every test starts in an empty current folder, so the pictures come from beside the
        // program unless the test puts its own.
        m_current = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_current->path()));
        m_sink.clear();
        m_window = std::make_unique<TForm11>(m_numbers, m_sink);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        QDir::setCurrent(m_startFolder);
        m_current.reset();
    }

    void startsEmpty() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Расчёт одиночного заземлителя"));
        QCOMPARE(m_window->size(), QSize(571, 277));
        QCOMPARE(m_window->ShapeNumber(), 0);
        QCOMPARE(combo()->count(), 13);
        QCOMPARE(combo()->currentText(), QString());
        QVERIFY(combo()->isEditable());
        QVERIFY(!button()->isEnabled());
        QCOMPARE(button()->text(), QStringLiteral("Рассчитать"));
        QCOMPARE(label("Label8")->text(), QString());
        QCOMPARE(label("Label7")->text(), QString());
        QCOMPARE(label("Label4")->text(), QStringLiteral("Диаметр электрода d, м"));
        QCOMPARE(label("Label9")->text(), QStringLiteral("Сопротивление заземлителя  :"));
        QVERIFY(label("Label9")->font().bold());
        QVERIFY(label("Label8")->font().bold());
        QVERIFY(!label("Label3")->font().bold());
        for (int n = 1; n <= 4; ++n)
            QVERIFY(edit(n)->isVisible() && edit(n)->text().isEmpty());
        QVERIFY(label("Label5")->isVisible() && label("Label10")->isVisible());
        QVERIFY(label("Image1")->pixmap().isNull());
        QCOMPARE(label("Image1")->geometry(), QRect(384, 45, 175, 174));
        QCOMPARE(combo()->geometry().topLeft(), QPoint(152, 8));
        QCOMPARE(combo()->width(), 417);
        QCOMPARE(edit(3)->geometry(), QRect(152, 104, 73, 21));
        QCOMPARE(button()->geometry(), QRect(256, 248, 97, 25));
        QCOMPARE(child<QGroupBox>("GroupBox1")->geometry(), QRect(4, 184, 281, 49));
    }

    void tabOrderRunsListSoilButtonDimensions() {
        QStringList order;
        QWidget* w = combo();
        do {
            const bool own = w->parentWidget() == m_window.get() ||
                             w->parentWidget() == child<QGroupBox>("GroupBox1");
            if (own && (w->focusPolicy() & Qt::TabFocus))
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != combo());
        QCOMPARE(order, (QStringList{"ComboBox1", "Edit1", "Button1", "Edit2", "Edit3", "Edit4"}));
    }

    void refreshWithoutAShapeChangesNothing() {
        fill({"100", "1", "1", "1"});
        hoverBackground();
        hoverBackground();
        QCOMPARE(m_window->ShapeNumber(), 0);
        QVERIFY(!button()->isEnabled());
        QVERIFY(label("Image1")->pixmap().isNull());
        QVERIFY(m_sink.errors.isEmpty());
    }

    void closingTheListWithoutAnyShapeEmptiesTheFields() {
        fill({"100", "1", "2", "3"});
        openAndCloseList();
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(edit(n)->text(), QString());
        QCOMPARE(label("Label8")->text(), QStringLiteral(" "));
        QCOMPARE(m_window->ShapeNumber(), 0);
        QCOMPARE(label("Label4")->text(), QStringLiteral("Диаметр электрода d, м"));
        QVERIFY(label("Image1")->pixmap().isNull());
        QVERIFY(m_sink.errors.isEmpty());
    }

    void choosingAShapeShowsItsLayout() {
        chooseFromList(0);
        QCOMPARE(m_window->ShapeNumber(), 1);
        QCOMPARE(label("Label4")->text(), QStringLiteral("Диаметр сферы D, м"));
        QCOMPARE(label("Label5")->text(), QStringLiteral("Глубина заложения t, м"));
        QCOMPARE(label("Label7")->text(), QStringLiteral(" 2*t>>D "));
        QVERIFY(edit(3)->isVisible() && label("Label5")->isVisible());
        QVERIFY(!edit(4)->isVisible() && !label("Label10")->isVisible());
        // A hidden field's label keeps its caption.
        QCOMPARE(label("Label10")->text(), QStringLiteral("Глубина заложения t0, м"));
        QCOMPARE(shown(), decoded(builtPicture(1)));
        QCOMPARE(label("Image1")->size(), label("Image1")->pixmap().size());
        QCOMPARE(label("Image1")->pos(), QPoint(384, 45));

        chooseFromList(12);
        QCOMPARE(m_window->ShapeNumber(), 13);
        QCOMPARE(label("Label4")->text(), QStringLiteral("Высота пластины a, м"));
        QCOMPARE(label("Label5")->text(), QStringLiteral("Длина пластины b, м"));
        QCOMPARE(label("Label10")->text(), QStringLiteral("Глубина заложения t, м"));
        QCOMPARE(label("Label7")->text(), QStringLiteral(" a<b<4a и a<2t"));
        QVERIFY(edit(3)->isVisible() && edit(4)->isVisible());
        QCOMPARE(shown(), decoded(builtPicture(13)));
        QVERIFY(m_sink.errors.isEmpty());
    }

    void closingTheListEmptiesOnlyShownFields() {
        chooseFromList(3); // all four fields
        fill({"100", "0,016", "3", "0,7"});
        label("Label8")->setText(QStringLiteral("33,34 Ом"));
        // The arrow keys change the list without closing it: nothing is emptied or taken over.
        QTest::keyClick(combo(), Qt::Key_Up);
        QTest::keyClick(combo(), Qt::Key_Up);
        QCOMPARE(combo()->currentText(), QStringLiteral("Полушаровой у поверхности грунта"));
        QCOMPARE(m_window->ShapeNumber(), 4);
        QCOMPARE(edit(3)->text(), QStringLiteral("3"));
        // The next move over the background takes the shape over and hides two fields.
        hoverBackground();
        QCOMPARE(m_window->ShapeNumber(), 2);
        QVERIFY(!edit(3)->isVisible() && !edit(4)->isVisible());
        QCOMPARE(edit(3)->text(), QStringLiteral("3"));
        QCOMPARE(edit(4)->text(), QStringLiteral("0,7"));
        // A close-up empties the shown fields and the result; the hidden ones keep their texts.
        openAndCloseList();
        QCOMPARE(edit(1)->text(), QString());
        QCOMPARE(edit(2)->text(), QString());
        QCOMPARE(edit(3)->text(), QStringLiteral("3"));
        QCOMPARE(edit(4)->text(), QStringLiteral("0,7"));
        QCOMPARE(label("Label8")->text(), QStringLiteral(" "));
        QCOMPARE(m_window->ShapeNumber(), 2);
    }

    void buttonIsEnabledWhenEveryShownFieldHoldsText_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("fields");
        const int fieldsOf[] = {3, 2, 3, 4, 3, 4, 3, 4, 3, 4, 2, 3, 4};
        for (int n = 1; n <= 13; ++n)
            QTest::addRow("shape %d", n) << n << fieldsOf[n - 1];
    }
    void buttonIsEnabledWhenEveryShownFieldHoldsText() {
        QFETCH(int, shape);
        QFETCH(int, fields);
        chooseFromList(shape - 1);
        QCOMPARE(m_window->ShapeNumber(), shape);
        for (int n = 1; n < fields; ++n)
            edit(n)->setText(QStringLiteral("1"));
        hoverBackground();
        QVERIFY(!button()->isEnabled());
        edit(fields)->setText(QStringLiteral(","));
        // Not before the pointer moves over the background.
        QVERIFY(!button()->isEnabled());
        // The disabled button counts as background.
        windowtest::hover(button());
        QVERIFY(button()->isEnabled());
        // Emptying a field does not disable it again; a close-up does.
        edit(1)->clear();
        hoverBackground();
        QVERIFY(button()->isEnabled());
        openAndCloseList();
        QVERIFY(!button()->isEnabled());
    }

    void enabledButtonLabelsAndFieldsAreNoBackground() {
        chooseFromList(1);
        fill({"100", "1"});
        hoverBackground();
        QVERIFY(button()->isEnabled());
        QTest::keyClick(combo(), Qt::Key_Down);
        const QList<QWidget*> notBackground{button(),        label("Label3"),
                                            label("Label7"), edit(1),
                                            label("Image1"), child<QGroupBox>("GroupBox1")};
        for (QWidget* w : notBackground) {
            windowtest::hover(w);
            QVERIFY2(m_window->ShapeNumber() == 2, qPrintable(w->objectName()));
        }
        hoverBackground();
        QCOMPARE(m_window->ShapeNumber(), 3);
    }

    void fieldsTakeDigitsAndSeparatorsOnly() {
        for (int n = 1; n <= 4; ++n) {
            QLineEdit* e = edit(n);
            e->setFocus();
            QTest::keyClicks(e, "12,5");
            QTest::keyClicks(e, " -a+e");
            QTest::keyClick(e, Qt::Key_Return);
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QStringLiteral("ф"), {});
            QTest::keyClicks(e, "1.5");
            QTest::keyClick(e, Qt::Key_Backspace);
            QCOMPARE(e->text(), QStringLiteral("12,51."));
            // Shortcuts arrive as control characters and are discarded too.
            e->selectAll();
            QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(e->text(), QStringLiteral("12,51."));
        }
    }

    void calculatesTheShapeTakenOver() {
        chooseFromList(0);
        QTest::keyClicks(edit(1), "100");
        QTest::keyClicks(edit(2), "1");
        QTest::keyClicks(edit(3), "1");
        hoverBackground();
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(label("Label8")->text(), QStringLiteral("19,90 Ом"));
        QVERIFY(button()->isEnabled());

        edit(3)->setText(QStringLiteral("0,5"));
        QTest::mouseClick(button(), Qt::LeftButton);
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(m_sink.messages,
                 QStringList(2, QStringLiteral("Необходимое условие не выполняется")));
        QCOMPARE(label("Label8")->text(), QStringLiteral("0"));

        // The list moved on but the calculation still uses the shape taken over.
        QTest::keyClick(combo(), Qt::Key_Down);
        edit(3)->setText(QStringLiteral("1"));
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(label("Label8")->text(), QStringLiteral("19,90 Ом"));

        edit(1)->clear();
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(m_sink.errors, QStringList{QStringLiteral("'' is not a valid integer value.")});
        QCOMPARE(label("Label8")->text(), QStringLiteral("19,90 Ом"));
        edit(1)->setText(QStringLiteral("100"));
        edit(2)->setText(QStringLiteral("0.5"));
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(m_sink.errors.last(),
                 QStringLiteral("'0.5' is not a valid floating point value."));
        edit(2)->setText(QStringLiteral("0"));
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(m_sink.errors.last(), QStringLiteral("Floating point division by zero."));
        QCOMPARE(label("Label8")->text(), QStringLiteral("19,90 Ом"));
    }

    void picturesAreLookedForInTheCurrentFolderFirst() {
        QFile built(builtPicture(2));
        QVERIFY(built.open(QIODevice::ReadOnly));
        putPicture(1, built.readAll());
        chooseFromList(0);
        QCOMPARE(shown(), decoded(builtPicture(2)));
        // Without it, the one beside the program; read again on every refresh.
        QVERIFY(QFile::remove(QDir(m_current->path()).filePath(QStringLiteral("image/1.jpg"))));
        hoverBackground();
        QCOMPARE(shown(), decoded(builtPicture(1)));
        QVERIFY(shown() != decoded(builtPicture(2)));
        QVERIFY(m_sink.errors.isEmpty());
    }

    void anUnreadablePictureIsReportedOncePerTakeOver() {
        putPicture(3, "hello, this is no picture");
        const QString report = QStringLiteral("Not a JPEG file: starts with 0x68 0x65.");
        fill({"100", "0,016", "3", "1"});
        chooseFromList(2);
        QCOMPARE(m_sink.errors, QStringList{report});
        // The shape is taken over and the fields emptied; the layout stays as it was.
        QCOMPARE(m_window->ShapeNumber(), 3);
        QCOMPARE(edit(1)->text(), QString());
        QCOMPARE(label("Label7")->text(), QString());

        fill({"100", "0,016", "3", "1"});
        for (int i = 0; i < 3; ++i)
            hoverBackground();
        QCOMPARE(m_sink.errors.size(), 1);
        QVERIFY(!button()->isEnabled());

        // Closing the list again reports it again.
        openAndCloseList();
        QCOMPARE(m_sink.errors.size(), 2);
        hoverBackground();
        QCOMPARE(m_sink.errors.size(), 2);

        // So does taking another shape over and coming back.
        QTest::keyClick(combo(), Qt::Key_Down);
        hoverBackground();
        QCOMPARE(m_window->ShapeNumber(), 4);
        QCOMPARE(m_sink.errors.size(), 2);
        QTest::keyClick(combo(), Qt::Key_Up);
        hoverBackground();
        hoverBackground();
        QCOMPARE(m_sink.errors, QStringList(3, report));
        // Layout of shape 4, picture of shape 4: nothing of shape 3 was applied.
        QCOMPARE(label("Label7")->text(), QStringLiteral(" t0>0.5 м "));
        QCOMPARE(shown(), decoded(builtPicture(4)));
    }

    void aFileThatCannotBeOpenedIsReportedWithItsFullPath() {
        const QString missing = QStringLiteral("image/none.jpg");
        try {
            readJpegPicture(missing);
            QFAIL("no error");
        } catch (const PictureError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("Cannot open file \"%1/image/none.jpg\". No such file or "
                                    "directory")
                         .arg(QDir::currentPath()));
        }
    }
};

QTEST_MAIN(SingleElectrodeWindowTest)
#include "SingleElectrodeWindowTest.moc"
