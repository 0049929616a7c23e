// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor pastes is what it saves: whatever comes from the clipboard or a drop reads back
// the same from the file; into a plain text, only the words go. And the text on paper: as many
// pages as it needs, each copy once.
#include "core/ImpressionTexte.h"
#include "editor/CollageTexte.h"
#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"
#include "support/DescriptionDocument.h"

#include <QFile>
#include <QMimeData>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>

#include <memory>

namespace {

// Two runs that look the same are one: "{b,Arial,12}a{b,Arial,12}b" is "{b,Arial,12}ab".
QString Fusionner(QString description) {
    static const QRegularExpression repetee(QStringLiteral("(\\{[^}]*\\})([^{\n]*)\\1"));
    while (description.contains(repetee))
        description.replace(repetee, QStringLiteral("\\1\\2"));
    return description;
}

QString Vu(const QTextDocument& document) {
    return Fusionner(DescriptionDocument::Decrire(document));
}

// The document as its file would give it back.
QString Relu(const QTextDocument& document) {
    QTextDocument relu;
    relu.setDefaultFont(document.defaultFont());
    LecteurRtf::Lire(EcrivainRtf::Ecrire(document), relu);
    return Vu(relu);
}

bool ContientUneForme(const QTextDocument& document) {
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc.textList()) return true;
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) return true;
    }
    return !document.rootFrame()->childFrames().isEmpty(); // a table is a frame
}

int PagesDuPdf(const QString& chemin) {
    QFile pdf(chemin);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(
        QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

} // namespace

class TestCollageTexte : public QObject {
    Q_OBJECT

  private slots:
    void ceQuiEstCollEstCeQuiSEnregistre_data();
    void ceQuiEstCollEstCeQuiSEnregistre();
    void copierPuisCollerNePerdRien();
    void impressionSurAutantDePagesQuIlFaut_data();
    void impressionSurAutantDePagesQuIlFaut();
    void retraitsImprimesALaMemeLargeurQuALEcran_data();
    void retraitsImprimesALaMemeLargeurQuALEcran();
};

void TestCollageTexte::ceQuiEstCollEstCeQuiSEnregistre_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("texteSeulement");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("gras");
    const QByteArray tableau =
        "<table border=1><tr><td>Léa</td><td>12</td></tr><tr><td>Paul</td><td>9</td></tr>"
        "</table>";
    QTest::newRow("a table arrives as its words")
        << "text/html" << tableau << false << "avant \nLéa\n12\nPaul\n9\n"
        << false;
    QTest::newRow("a picture is left out")
        << "text/html"
        << QByteArray("<p>x<img src=\"data:image/png;base64,iVBORw0KGgo=\" width=40 height=40>y</p>") << false
        << "avant xy" << false;
    QTest::newRow("a list arrives as paragraphs")
        << "text/html" << QByteArray("<ul><li>un</li><li><b>deux</b></li></ul>") << false << "avant un\ndeux"
        << true;
    QTest::newRow("bold from a web page stays bold")
        << "text/html" << QByteArray("<b>gras</b> et non") << false << "avant gras et non" << true;
    QTest::newRow("rich text from a word processor")
        << "text/rtf" << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0{\\b un}\\par deux}") << false
        << "avant un\ndeux" << true;
    QTest::newRow("into a plain text, the words only")
        << "text/html" << QByteArray("<b>gras</b><br>ligne") << true << "avant gras\nligne" << false;
    QTest::newRow("plain text with its line ends")
        << "text/plain" << QByteArray("a\r\nb\rc") << false << "avant a\nb\nc" << false;
}

void TestCollageTexte::ceQuiEstCollEstCeQuiSEnregistre() {
    QFETCH(QString, type);
    QFETCH(QByteArray, contenu);
    QFETCH(bool, texteSeulement);
    QFETCH(QString, texte);
    QFETCH(bool, gras);
    QTextDocument document(QStringLiteral("avant "));
    QTextCursor curseur(&document);
    curseur.movePosition(QTextCursor::End);
    QMimeData source;
    source.setData(type, contenu);
    if (type == QLatin1String("text/html"))
        source.setText(QTextDocumentFragment::fromHtml(contenu).toPlainText());
    QVERIFY(CollageTexte::Collable(source));
    QVERIFY(CollageTexte::Coller(source, curseur, texteSeulement));
    QCOMPARE(DescriptionDocument::Texte(document).remove(QChar::ObjectReplacementCharacter), texte);
    QVERIFY(!ContientUneForme(document));
    QCOMPARE(Vu(document).contains(QLatin1String("{b,")), gras);
    QCOMPARE(Relu(document), Vu(document));
}

void TestCollageTexte::copierPuisCollerNePerdRien() {
    QTextDocument source;
    LecteurRtf::Lire(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red200\\green10\\blue20;}"
        "\\pard\\qc\\li720\\tx1500 {\\b\\cf1\\fs36 Titre}\\tab {\\f1\\i\\ul x\\super 2}\\par"
        "\\pard\\qr {\\strike fin}\\par\\pard}",
        source);
    QTextCursor tout(&source);
    tout.select(QTextCursor::Document);
    const std::unique_ptr<QMimeData> donnees(CollageTexte::Donnees(tout));
    QTextDocument cible;
    QTextCursor curseur(&cible);
    QVERIFY(CollageTexte::Coller(*donnees, curseur, false));
    QCOMPARE(Vu(cible), Vu(source));
    QCOMPARE(donnees->text(), QStringLiteral("Titre\tx2\nfin"));
}

void TestCollageTexte::impressionSurAutantDePagesQuIlFaut_data() {
    QTest::addColumn<int>("paragraphes");
    QTest::addColumn<int>("exemplaires");
    QTest::newRow("one page, one copy") << 3 << 1;
    QTest::newRow("a long text, three copies") << 160 << 3;
}

void TestCollageTexte::impressionSurAutantDePagesQuIlFaut() {
    QFETCH(int, paragraphes);
    QFETCH(int, exemplaires);
    QTemporaryDir dossier;
    QTextDocument document;
    QFont police(QStringLiteral("Arial"));
    police.setPointSize(12);
    document.setDefaultFont(police);
    QTextCursor curseur(&document);
    for (int i = 0; i < paragraphes; ++i)
        curseur.insertText(QStringLiteral("Paragraphe %1 d'un long texte.\n").arg(i + 1));
    const QString chemin = dossier.filePath(QStringLiteral("texte.pdf"));
    int pages = 0;
    {
        QPdfWriter pdf(chemin);
        pages = ImpressionTexte::NombreDePages(document, pdf);
        QVERIFY(ImpressionTexte::Imprimer(document, Destination(pdf, Tirage{{}, exemplaires})));
    }
    // 12 points at 2 cm margins on A4: some 45 lines a page.
    QCOMPARE(pages, paragraphes / 45 + 1);
    QCOMPARE(PagesDuPdf(chemin), pages * exemplaires);
    // The screen's document is not touched by the layout for the page.
    QCOMPARE(document.pageSize().width() > 0, false);
}

void TestCollageTexte::retraitsImprimesALaMemeLargeurQuALEcran_data() {
    QTest::addColumn<QByteArray>("paragraphe");
    QTest::addColumn<double>("pouces"); // where the first line starts, beyond the unindented one
    QTest::newRow("left indent of an inch") << QByteArray("\\li1440 x") << 1.0;
    QTest::newRow("first line of half an inch") << QByteArray("\\fi720 x") << 0.5;
    QTest::newRow("tab stop at two inches") << QByteArray("\\tx2880\\tab x") << 2.0;
}

// 1200 dots an inch on the PDF page: an inch on screen is an inch on paper.
void TestCollageTexte::retraitsImprimesALaMemeLargeurQuALEcran() {
    QFETCH(QByteArray, paragraphe);
    QFETCH(double, pouces);
    QTextDocument document;
    QVERIFY(LecteurRtf::Lire("{\\rtf1 x\\par\\pard" + paragraphe + "}", document));
    QTemporaryDir dossier;
    QPdfWriter pdf(dossier.filePath(QStringLiteral("t.pdf")));
    const auto page = ImpressionTexte::MiseEnPage(document, pdf);
    auto debut = [](const QTextBlock& bloc) {
        const QTextLine ligne = bloc.layout()->lineAt(0);
        return ligne.cursorToX(bloc.text().indexOf(QLatin1Char('x')));
    };
    const double ecart = debut(page->lastBlock()) - debut(page->firstBlock());
    QVERIFY2(qAbs(ecart - pouces * pdf.resolution()) < 0.02 * pdf.resolution(),
             qPrintable(QString::number(ecart)));
}

QTEST_MAIN(TestCollageTexte)
#include "tst_CollageTexte.moc"
