// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text writer: every format the editor holds comes back the same through the reader,
// the bytes are plain ASCII with the usual escapes, and another reader (unrtf) finds the same text.
#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"
#include "support/DescriptionDocument.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <functional>

using Construction = std::function<void(QTextCursor&)>;
Q_DECLARE_METATYPE(Construction)

namespace {

QTextCharFormat Caractere(const std::function<void(QTextCharFormat&)>& reglage) {
    QTextCharFormat format;
    reglage(format);
    return format;
}

Construction Texte(const QString& texte, const QTextCharFormat& format = {}) {
    return [=](QTextCursor& c) { c.insertText(texte, format); };
}

Construction Paragraphe(const std::function<void(QTextBlockFormat&)>& reglage, const QString& texte) {
    return [=](QTextCursor& c) {
        QTextBlockFormat format;
        reglage(format);
        c.setBlockFormat(format);
        c.insertText(texte);
    };
}

// unrtf's own text output shows every character beyond ASCII as "?": given a form for them
// (&#N; with N a UTF-16 unit), the comparison sees them all.
QString ConfigurationUnrtf(const QTemporaryDir& dossier) {
    QFile modele(QStringLiteral("/usr/share/unrtf/text.conf"));
    QFile copie(dossier.filePath(QStringLiteral("text.conf")));
    if (!modele.open(QIODevice::ReadOnly) || !copie.open(QIODevice::WriteOnly)) return {};
    copie.write(modele.readAll() + "\nunisymbol_print\n\t&#%;\n");
    return dossier.path();
}

QString TexteSelonUnrtf(const QByteArray& rtf, QString& erreur) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("essai.rtf"));
    QFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(rtf) != rtf.size())
        return erreur = "write", QString();
    sortie.close();
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {"-P", ConfigurationUnrtf(dossier), "--text", fichier});
    if (!unrtf.waitForFinished(20000) || unrtf.exitCode() != 0)
        return erreur = unrtf.readAllStandardError(), QString();
    QString texte = QString::fromLatin1(unrtf.readAllStandardOutput());
    texte = texte.mid(texte.indexOf(QLatin1String("-----------------\n")) + 18);
    QString decode;
    static const QRegularExpression Entite(QStringLiteral("&#(\\d+);"));
    qsizetype debut = 0;
    for (auto it = Entite.globalMatch(texte); it.hasNext();) {
        const auto m = it.next();
        decode += texte.mid(debut, m.capturedStart() - debut) +
                  QChar(static_cast<char16_t>(m.captured(1).toUInt()));
        debut = m.capturedEnd();
    }
    return decode + texte.mid(debut);
}

// unrtf lays tabs and line breaks out its own way: the words and their order must agree.
QStringList Mots(const QString& texte) {
    static const QRegularExpression Blancs(QStringLiteral("[\\s\u2028\u00A0]+"));
    return texte.split(Blancs, Qt::SkipEmptyParts);
}

} // namespace

class TestEcrivainRtf : public QObject {
    Q_OBJECT

  private slots:
    void chaqueFormatRevientPareil_data();
    void chaqueFormatRevientPareil();
    void octetsEcrits_data();
    void octetsEcrits();
    void ceQuiNeSEcritPasEstLaisse();
    void unrtfLitLeMemeTexte_data();
    void unrtfLitLeMemeTexte();
};

void TestEcrivainRtf::chaqueFormatRevientPareil_data() {
    QTest::addColumn<Construction>("construction");
    using F = QTextCharFormat;
    using B = QTextBlockFormat;
    QTest::newRow("plain text") << Texte("Un texte.");
    QTest::newRow("bold") << Texte("gras", Caractere([](F& f) { f.setFontWeight(QFont::Bold); }));
    QTest::newRow("italic") << Texte("italique", Caractere([](F& f) { f.setFontItalic(true); }));
    QTest::newRow("underline") << Texte("souligné", Caractere([](F& f) { f.setFontUnderline(true); }));
    QTest::newRow("strikeout") << Texte("barré", Caractere([](F& f) { f.setFontStrikeOut(true); }));
    QTest::newRow("superscript") << Texte(
        "1er", Caractere([](F& f) { f.setVerticalAlignment(F::AlignSuperScript); }));
    QTest::newRow("subscript") << Texte("H2O",
                                        Caractere([](F& f) { f.setVerticalAlignment(F::AlignSubScript); }));
    QTest::newRow("everything at once") << Texte("tout", Caractere([](F& f) {
                                                     f.setFontWeight(QFont::Bold);
                                                     f.setFontItalic(true);
                                                     f.setFontUnderline(true);
                                                     f.setFontStrikeOut(true);
                                                     f.setVerticalAlignment(F::AlignSuperScript);
                                                     f.setForeground(QColor(1, 2, 3));
                                                 }));
    QTest::newRow("font family with accents, special blanks, braces and backslash")
        << Texte("x", Caractere([](F& f) { f.setFontFamilies({"Écriture\u00A0{Scolaire}\\B"}); }));
    QTest::newRow("font sizes, half points included") << Construction([](QTextCursor& c) {
        for (double taille : {8.0, 10.5, 72.0})
            c.insertText("t", Caractere([taille](F& f) { f.setFontPointSize(taille); }));
    });
    QTest::newRow("colours, black included") << Construction([](QTextCursor& c) {
        for (QColor couleur : {QColor(Qt::black), QColor(255, 0, 0), QColor(0, 128, 255), QColor(255, 0, 0)})
            c.insertText("c", Caractere([couleur](F& f) { f.setForeground(couleur); }));
    });
    QTest::newRow("centred") << Paragraphe([](B& b) { b.setAlignment(Qt::AlignHCenter); }, "centre");
    QTest::newRow("right") << Paragraphe([](B& b) { b.setAlignment(Qt::AlignRight); }, "droite");
    QTest::newRow("justified") << Paragraphe([](B& b) { b.setAlignment(Qt::AlignJustify); }, "justifié");
    QTest::newRow("indents, hanging first line") << Paragraphe(
        [](B& b) {
            b.setLeftMargin(48);
            b.setRightMargin(12.5);
            b.setTextIndent(-24);
        },
        "retraits");
    QTest::newRow("indent levels") << Paragraphe([](B& b) { b.setIndent(2); }, "niveau 2");
    QTest::newRow("spacing before and after") << Paragraphe(
        [](B& b) {
            b.setTopMargin(8);
            b.setBottomMargin(16);
        },
        "espacé");
    QTest::newRow("tab stops of every kind") << Paragraphe(
        [](B& b) {
            b.setTabPositions({QTextOption::Tab(40, QTextOption::LeftTab),
                               QTextOption::Tab(200, QTextOption::CenterTab),
                               QTextOption::Tab(300, QTextOption::RightTab),
                               QTextOption::Tab(400, QTextOption::DelimiterTab, QChar(u','))});
        },
        "a\tb\tc\td,5");
    QTest::newRow("paragraphs with their own formats, empty ones first, between and last")
        << Construction([](QTextCursor& c) {
               c.insertBlock();
               c.insertText("deux");
               B centre;
               centre.setAlignment(Qt::AlignHCenter);
               c.insertBlock(centre);
               c.insertBlock(B());
               c.insertText("quatre", Caractere([](F& f) { f.setFontWeight(QFont::Bold); }));
               c.insertBlock();
           });
    QTest::newRow("line break inside a paragraph and tabs") << Texte("a\u2028b\tc\t\u2028");
    QTest::newRow("characters that need escaping")
        << Texte("\\ { } \u00A0 \u00AD \u2011 ; ' \" ? é € œ Ÿ ÿ 中文 ß Ł \u0301 \U0001F600 \uFFFD");
    QTest::newRow("empty document") << Construction([](QTextCursor&) {});
}

void TestEcrivainRtf::chaqueFormatRevientPareil() {
    QFETCH(Construction, construction);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    QTextCursor curseur(&document);
    construction(curseur);
    const QByteArray rtf = EcrivainRtf::Ecrire(document);
    QTextDocument relu;
    relu.setDefaultFont(document.defaultFont());
    QVERIFY(LecteurRtf::Lire(rtf, relu));
    QCOMPARE(DescriptionDocument::Decrire(relu), DescriptionDocument::Decrire(document));
    QCOMPARE(EcrivainRtf::Ecrire(relu), rtf);
}

void TestEcrivainRtf::octetsEcrits_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("ASCII as it is") << QStringLiteral("Bonjour ; 3 + 4") << QByteArray(" Bonjour ; 3 + 4}");
    QTest::newRow("braces and backslash escaped") << QStringLiteral("{a\\b}") << QByteArray(" \\{a\\\\b\\}}");
    QTest::newRow("Windows-1252 letters as \\'hh")
        << QStringLiteral("é€œ") << QByteArray(" \\'e9\\'80\\'9c}");
    QTest::newRow("the rest as \\uN with a fallback")
        << QStringLiteral("中Ł") << QByteArray(" \\u20013\\'3f\\u321\\'3f}");
    QTest::newRow("upper half of 16 bits as negative numbers")
        << QStringLiteral("\uFFFD") << QByteArray(" \\u-3\\'3f}");
    QTest::newRow("beyond 16 bits as two halves")
        << QStringLiteral("\U0001F600") << QByteArray(" \\u-10179\\'3f\\u-8704\\'3f}");
    QTest::newRow("tab and line break as words")
        << QStringLiteral("a\tb\u2028c") << QByteArray(" a\\tab b\\line c}");
    QTest::newRow("special spaces and hyphens as symbols")
        << QStringLiteral("\u00A0\u00AD\u2011") << QByteArray(" \\~\\-\\_}");
    QTest::newRow("controls dropped") << QStringLiteral("a\u0001\u007Fb") << QByteArray(" ab}");
}

void TestEcrivainRtf::octetsEcrits() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, attendu);
    QTextDocument document(texte);
    const QByteArray rtf = EcrivainRtf::Ecrire(document);
    QVERIFY2(rtf.contains(attendu), rtf.constData());
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    for (char c : rtf)
        QVERIFY2(static_cast<uchar>(c) < 0x80, "rich text is written in 7 bits");
}

// A picture, a list and a table pasted into the text: their text is saved, nothing breaks.
void TestEcrivainRtf::ceQuiNeSEcritPasEstLaisse() {
    QTextDocument document;
    QTextCursor curseur(&document);
    curseur.insertText("avant ");
    curseur.insertImage(QImage(4, 4, QImage::Format_RGB32));
    curseur.insertFragment(QTextDocumentFragment::fromHtml("<ul><li>point</li></ul><table><tr><td>case</td>"
                                                           "<td>voisine</td></tr></table>apr&egrave;s"));
    QTextDocument relu;
    QVERIFY(LecteurRtf::Lire(EcrivainRtf::Ecrire(document), relu));
    QCOMPARE(Mots(DescriptionDocument::Texte(relu)),
             QStringList({"avant", "point", "case", "voisine", "après"}));
}

void TestEcrivainRtf::unrtfLitLeMemeTexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::newRow("a results file") << QStringLiteral(
        "Martin Léa\nTable de multiplication\tExercice n° 2\nLe 06/12/2002   à  14:35:10\n"
        "Nombre de bonnes réponses :\t12 / 16\n\nNombre d'erreurs :\t4");
    QTest::newRow("every Windows-1252 letter")
        << QStringLiteral("€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ ¡ ¢ £ ¤ ¥ ¦ § ¨ © ª « ¬ ® ¯ "
                          "° ± ² ³ ´ µ ¶ · ¸ ¹ º » ¼ ½ ¾ ¿ ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß "
                          "àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ");
    QTest::newRow("beyond Windows-1252") << QStringLiteral("Łódź 中文 Ελλάδα Россия \U0001F600 fin");
    QTest::newRow("braces, backslashes, tabs and line breaks")
        << QStringLiteral("{ouvrir} \\chemin\\ a\tb\u2028c\n\nd");
}

void TestEcrivainRtf::unrtfLitLeMemeTexte() {
    QFETCH(QString, texte);
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        QSKIP("unrtf is not installed (scripts/install-deps installs it)");
    QTextDocument document;
    QTextCursor curseur(&document);
    QTextCharFormat gras;
    gras.setFontWeight(QFont::Bold);
    curseur.insertText(texte, gras);
    curseur.movePosition(QTextCursor::Start);
    curseur.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    curseur.mergeCharFormat(Caractere([](QTextCharFormat& f) { f.setForeground(Qt::red); }));
    QString erreur;
    const QString lu = TexteSelonUnrtf(EcrivainRtf::Ecrire(document), erreur);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QCOMPARE(Mots(lu), Mots(texte));
}

QTEST_GUILESS_MAIN(TestEcrivainRtf)
#include "tst_EcrivainRtf.moc"
