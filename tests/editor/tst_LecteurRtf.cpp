// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text reader on files as word processors write them, on damaged files, and on files
// that are no rich text at all.
#include "editor/LecteurRtf.h"
#include "support/DescriptionDocument.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QByteArray Imbrique(int niveaux, const QByteArray& ouverture, const QByteArray& milieu, bool fermer) {
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < niveaux; ++i)
        rtf += ouverture;
    rtf += milieu;
    if (fermer) rtf += QByteArray(niveaux, '}') + "y}";
    return rtf;
}

QString Lu(const QByteArray& rtf) {
    QTextDocument document;
    if (!LecteurRtf::Lire(rtf, document)) return QStringLiteral("<not read>");
    return DescriptionDocument::Texte(document);
}

} // namespace

class TestLecteurRtf : public QObject {
    Q_OBJECT

  private slots:
    void texteDesFichiersDesTraitementsDeTexte_data();
    void texteDesFichiersDesTraitementsDeTexte();
    void formatsLus_data();
    void formatsLus();
    void unicodeEtCaracteresDeRepli_data();
    void unicodeEtCaracteresDeRepli();
    void fichiersAbimesLusSansDommage_data();
    void fichiersAbimesLusSansDommage();
    void cequiNEstPasDuRtfEstRefuse_data();
    void cequiNEstPasDuRtfEstRefuse();
    void insertionAuCurseur();
    void omissionsNotees_data();
    void omissionsNotees();
    void lectureParTranches();
};

void TestLecteurRtf::texteDesFichiersDesTraitementsDeTexte_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texte");
    QTest::newRow("small word processor, every paragraph ended")
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
               "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1"
               "\\f0\\fs22\\lang12 Bonjour \\b les \\b0\\i \\'e9l\\'e8ves\\i0  !\\par\r\n{\\pntext\\f1\\'B7"
               "\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 point\\par\r\n"
               "\\pard\\qc\\cf1\\ul Centr\\'e9 rouge\\ulnone\\par\r\n}\r\n") +
               QByteArray(1, '\0')
        << QStringLiteral("Bonjour les élèves !\n\u00B7\tpoint\nCentré rouge");
    QTest::newRow("office suite with style sheet, information and page styles")
        << QByteArray(
               "{\\rtf1\\ansi\\deff3\\adeflang1025\r\n{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New "
               "Roman;}{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}{\\f3\\froman\\fprq2\\fcharset0 Liberation "
               "Serif{\\*\\falt Times New Roman};}}\r\n{\\colortbl;\\red0\\green0\\blue0;}\r\n{\\stylesheet{"
               "\\s0\\snext0\\loch\\f3\\fs24\\lang1036 Normal;}\r\n{\\s15\\sbasedon0\\snext16\\sb240\\sa120"
               "\\keepn\\loch\\f2\\fs28 Heading;}}{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}{\\info{"
               "\\title Essai}{\\author Quelqu'un}{\\creatim\\yr2024\\mo3\\dy1\\hr10\\min5}}{\\*\\userprops}"
               "\\deftab709\r\n{\\*\\pgdsctbl\r\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906 Default Page "
               "Style;}}\r\n\\formshade{\\*\\pgdscno0}\\paperh16838\\sectd\\sbknone{\\*\\ftnsep\\chftnsep}"
               "\\pgndec\\pard\\plain \\s0\\ql\\widctlpar\\cf1\\loch\\f3\\fs24\\lang1036{\\rtlch "
               "\\ltrch\\loch"
               "\r\nPremi\\u232\\'e8re ligne}\r\n\\par \\pard\\plain \\s0\\qr\\li567\\tx1134\\tqr\\tx5670{\\b"
               "\\rtlch \\ltrch\\loch\\fs28\\loch\\f2\r\nDeuxi\\u232\\'e8me}{\\rtlch \\ltrch\\loch\r\n\\tab "
               "fin}\r\n\\par }")
        << QStringLiteral("Première ligne\nDeuxième\tfin");
    QTest::newRow("Unicode part of \\upr read, its 8-bit copy skipped")
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}{\\upr{\\f0 Chinois : ?}{\\*\\ud{"
               "\\f0 Chinois : \\u20013?}}} suite}")
        << QStringLiteral("Chinois : 中 suite");
    QTest::newRow("pictures, objects and fields: only the field's result is text")
        << QByteArray(
               "{\\rtf1\\ansi Avant{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a}{\\*\\shppict{\\pict"
               "\\jpegblip ffd8}}{\\nonshppict{\\pict\\wmetafile8 0100}}{\\object\\objemb{\\*\\objdata 01}{"
               "\\result R}} {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt lien}}.}")
        << QStringLiteral("Avant lien.");
    QTest::newRow("binary data passed over whatever its bytes")
        << QByteArray("{\\rtf1 a{\\*\\blipuid 00}{\\pict\\bin8 }}}{{\\\\{}b{\\b c}}")
        << QStringLiteral("abc");
    QTest::newRow("headers, footers, notes and comments are not text")
        << QByteArray(
               "{\\rtf1 {\\header En-t\\'eate}{\\footer Pied}corps{\\footnote\\ftnalt note}{\\*\\atnid X}"
               "{\\*\\annotation remarque}.}")
        << QStringLiteral("corps.");
    QTest::newRow("escaped braces and backslash, old-style \\par as backslash and line end")
        << QByteArray("{\\rtf1 \\{a\\}\\\\b\\\r\nc}") << QStringLiteral("{a}\\b\nc");
    QTest::newRow("symbol words")
        << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\-\\_\\tab|"
                      "\\emspace\\enspace\\qmspace\\zwj\\zwnj}")
        << QStringLiteral("—–•‘’“”\u00A0\u00AD\u2011\t|\u2003\u2002\u2005\u200D\u200C");
    QTest::newRow("line end inside a paragraph, table cells and rows")
        << QByteArray("{\\rtf1 a\\line b\\par\\trowd\\cellx1000\\cellx2000 c1\\cell c2\\cell\\row d}")
        << QStringLiteral("a\u2028b\nc1\tc2\nd");
    QTest::newRow("hidden text left out")
        << QByteArray("{\\rtf1 vu{\\v cach\\'e9}\\v encore\\v0  vu}") << QStringLiteral("vu vu");
    QTest::newRow("Cyrillic font set and code page")
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset0 Arial;}}"
               "\\f0 \\'cf\\'f0\\'e8\\f1 \\'e9}")
        << QStringLiteral("При\u00E9");
    QTest::newRow("a document code page other than 1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}") << QStringLiteral("šč");
    QTest::newRow("a table with a paragraph end in every cell: a row a line, a tab between cells")
        << QByteArray(
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\trowd\\trgaph108\\cellx2000\\cellx4000\\cellx6000"
               "\\pard\\intbl\\li100 Nom\\par\\cell\\pard\\intbl\\qc "
               "Pr\\'e9nom\\par\\cell\\pard\\intbl\\cell\\row"
               "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl\\cell\\pard\\intbl L\\'e9a\\par "
               "Marie\\par\\cell\\pard\\intbl{CM1\\par}\\cell\\row\\pard Fin\\par}")
        << QStringLiteral("Nom\tPrénom\n\tLéa Marie\tCM1\nFin");
    QTest::newRow("nested cells keep a tab between them; their copy for old readers is skipped")
        << QByteArray(
               "{\\rtf1\\trowd\\cellx3000\\cellx6000\\pard\\intbl a\\nestcell b\\nestcell{\\*\\nesttableprops"
               "\\trowd\\nestrow}{\\nonesttables a b\\par}\\cell c\\cell\\row}")
        << QStringLiteral("a\tb\tc");
    QTest::newRow("capitals") << QByteArray("{\\rtf1 {\\caps \\'e9cole} et {\\caps\\caps0 non}}")
                              << QStringLiteral("ÉCOLE et non");
    QTest::newRow("Macintosh set") << QByteArray("{\\rtf1\\mac \\'8e\\'8f\\'88}") << QStringLiteral("éèà");
    QTest::newRow("DOS sets") << QByteArray("{\\rtf1\\pc \\'82\\'8a}") << QStringLiteral("éè");
    QTest::newRow("DOS set after a Macintosh font")
        << QByteArray("{\\rtf1\\pca{\\fonttbl{\\f0\\fcharset77 Geneva;}{\\f1 Courier;}}\\f0\\'8e\\f1\\'8e}")
        << QStringLiteral("éÄ");
    QTest::newRow("a final paragraph end opens no paragraph, even after closing groups")
        << QByteArray("{\\rtf1 {\\b a\\par}\\pard\\qc{\\*\\themedata 0a}}") << QStringLiteral("a");
    QTest::newRow("two final paragraph ends leave one empty paragraph")
        << QByteArray("{\\rtf1 a\\par\\par }") << QStringLiteral("a\n");
    QTest::newRow("a UTF-8 byte-order mark before the header")
        << QByteArray("\xEF\xBB\xBF{\\rtf1 a}") << QStringLiteral("a");
    QTest::newRow("text after the document's last brace ignored")
        << QByteArray("{\\rtf1 fin}\r\n\0garbage", 22) << QStringLiteral("fin");
}

void TestLecteurRtf::texteDesFichiersDesTraitementsDeTexte() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texte);
    QCOMPARE(Lu(rtf), texte);
}

void TestLecteurRtf::formatsLus_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("description");
    const QByteArray tables = "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss "
                              "Arial;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}";
    QTest::newRow("default font and size") << tables + "a}"
                                           << "L |{,Arial,12}a";
    QTest::newRow("character toggles on and off")
        << tables + "\\b\\i\\ul\\strike a\\b0\\i0\\ulnone\\strike0 b\\uldb c\\ul0 d}"
        << "L |{bius,Arial,12}a{,Arial,12}b{u,Arial,12}c{,Arial,12}d";
    QTest::newRow("superscript, subscript, raised and lowered")
        << tables + "\\super a\\nosupersub b\\sub c\\plain d\\up6 e\\up0\\dn6 f}"
        << "L |{^,Arial,12}a{,Arial,12}b{_,Arial,12}c{,Arial,12}d{^,Arial,12}e{_,Arial,12}f";
    QTest::newRow("font, size and colour, kept by groups")
        << tables + "{\\f0\\fs36\\cf1 a{\\cf2 b}c}d\\cf9 e}"
        << "L |{,Times New Roman,18,#ff0000}a{,Times New Roman,18,#008000}b{,Times New Roman,18,#ff0000}c"
           "{,Arial,12}de";
    QTest::newRow("\\plain and \\pard reset what they own")
        << tables + "\\qc\\li100\\b a\\plain b\\par c\\pard d}"
        << "C li=100 |{b,Arial,12}a{,Arial,12}b\nL |{,Arial,12}cd";
    QTest::newRow("alignment, indents, spacing and tab stops")
        << tables + "\\qr\\li1440\\ri720\\fi-"
                    "360\\sb120\\sa240\\tx720\\tqc\\tx2880\\tqr\\tx4320\\tqdec\\tx5000 a\\par"
                    "\\pard\\qj b\\par\\pard\\ql c}"
        << "R li=1440 ri=720 fi=-360 sb=120 sa=240 tabs=720,c2880,r4320,d5000 |{,Arial,12}a\n"
           "J |{,Arial,12}b\nL |{,Arial,12}c";
    QTest::newRow("paragraph properties set after its text still hold for it")
        << tables + "a\\qc\\par b}"
        << "C |{,Arial,12}a\nC |{,Arial,12}b";
    QTest::newRow("font name with a Unicode letter and damage")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ec\\u345?ole\\'01 \\'a0;}}x}") << "L |{,Ecřole,12}x";
    QTest::newRow("alike paragraphs, then others, then alike again")
        << tables + "a\\par b\\par\\b c\\par d\\b0\\par\\par e\\par\\qc f\\par\\par g}"
        << "L |{,Arial,12}a\nL |{,Arial,12}b\nL |{b,Arial,12}c\nL |{b,Arial,12}d\nL |\nL |{,Arial,12}e\nC "
           "|{,Arial,12}f\nC |\nC |{,Arial,12}g";
    QTest::newRow("lengths and sizes far beyond a page are clamped")
        << tables + "\\li999999999\\fs999999999 a}"
        << "L li=31680 |{,Arial,1638}a";
}

void TestLecteurRtf::formatsLus() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, description);
    QTextDocument document;
    QVERIFY(LecteurRtf::Lire(rtf, document));
    QCOMPARE(DescriptionDocument::Decrire(document), description);
}

void TestLecteurRtf::unicodeEtCaracteresDeRepli_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texte");
    QTest::newRow("one fallback character by default")
        << QByteArray("{\\rtf1 \\u233?X}") << QStringLiteral("éX");
    QTest::newRow("fallback written as an escape")
        << QByteArray("{\\rtf1 \\u8364\\'80X}") << QStringLiteral("€X");
    QTest::newRow("negative numbers are the upper half")
        << QByteArray("{\\rtf1 \\u-3913?\\u-16?}") << QStringLiteral("\uF0B7\uFFF0");
    QTest::newRow("surrogate pair in two escapes")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?!}") << QStringLiteral("\U0001F600!");
    QTest::newRow("lone surrogate halves dropped")
        << QByteArray("{\\rtf1 a\\u-10179?b\\u-8704?c}") << QStringLiteral("abc");
    QTest::newRow("\\uc2 skips two") << QByteArray("{\\rtf1 \\uc2\\u233 \\'e9\\'e9X}")
                                     << QStringLiteral("éX");
    QTest::newRow("\\uc0 skips none") << QByteArray("{\\rtf1 \\uc0\\u233 X}") << QStringLiteral("éX");
    QTest::newRow("\\uc ends with its group")
        << QByteArray("{\\rtf1 {\\uc3\\u233 abcX}\\u233?Y}") << QStringLiteral("éXéY");
    QTest::newRow("a brace cuts the fallback short")
        << QByteArray("{\\rtf1 {\\uc5\\u233 ab}c}") << QStringLiteral("éc");
    QTest::newRow("a control word counts as one fallback character")
        << QByteArray("{\\rtf1 \\u233\\tab X}") << QStringLiteral("éX");
    QTest::newRow("controls and frame markers never reach the document")
        << QByteArray("{\\rtf1 a\\u0?\\u13?\\u8233?\\u-560?\\u-1?\\u-4?b\\'0c\\'00c}")
        << QStringLiteral("abc");
}

void TestLecteurRtf::unicodeEtCaracteresDeRepli() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texte);
    QCOMPARE(Lu(rtf), texte);
}

void TestLecteurRtf::fichiersAbimesLusSansDommage_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texte");
    QTest::newRow("a closing brace too many ends the document") << QByteArray("{\\rtf1 a}} b}") << "a";
    QTest::newRow("groups never closed") << QByteArray("{\\rtf1 a{\\b b{\\i c") << "abc";
    QTest::newRow("escape cut at the end") << QByteArray("{\\rtf1 x\\'") << "x";
    QTest::newRow("escape with one digit at the end") << QByteArray("{\\rtf1 x\\'4") << "x";
    QTest::newRow("escape with no hex digit") << QByteArray("{\\rtf1 x\\'zz y}") << "xzz y";
    QTest::newRow("backslash at the very end") << QByteArray("{\\rtf1 x\\") << "x";
    QTest::newRow("control word cut at the end") << QByteArray("{\\rtf1 x\\par") << "x";
    QTest::newRow("100000 nested groups") << Imbrique(100000, "{", "x", true) << "xy";
    QTest::newRow("100000 nested groups never closed") << Imbrique(100000, "{\\b ", "x", false) << "x";
    QTest::newRow("100000 nested skipped destinations") << Imbrique(100000, "{\\*\\z ", "x", true) << "y";
    QTest::newRow("formats of very deep groups undone on the way out")
        << QByteArray("{\\rtf1 ") + QByteArray(5000, '{') + "\\b x" + QByteArray(4000, '}') + "\\i0 y" +
               QByteArray(1000, '}') + "z}"
        << "xyz";
    QTest::newRow("giant numbers; a character number beyond 16 bits means nothing")
        << QByteArray("{\\rtf1 \\fs99999999999999999999999 a\\li-99999999999999 b\\u99999999999 c\\cf-5 d"
                      "\\f2147483648 e\\uc99999999999\\u66 fgh}")
        << QStringLiteral("abdeB");
    QTest::newRow("\\bin longer than the file") << QByteArray("{\\rtf1 a\\bin99999999999 bcd}") << "a";
    QTest::newRow("\\bin with a negative length") << QByteArray("{\\rtf1 a\\bin-5 bcd}") << "abcd";
    QTest::newRow("\\bin in a skipped destination") << QByteArray("{\\rtf1 {\\*\\d\\bin2 }}}ok}") << "ok";
    QTest::newRow("font and colour tables cut short")
        << QByteArray("{\\rtf1 {\\fonttbl{\\f0 Ari{\\colortbl;\\red300") << "";
    QTest::newRow("a control word as long as the file")
        << QByteArray("{\\rtf1 \\") + QByteArray(100000, 'a') + " z}"
        << "z";
    QTest::newRow("NUL bytes and controls in the text") << QByteArray("{\\rtf1 a\0b\x01"
                                                                      "c}",
                                                                      13)
                                                        << "abc";
}

void TestLecteurRtf::fichiersAbimesLusSansDommage() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texte);
    QElapsedTimer chrono;
    chrono.start();
    QCOMPARE(Lu(rtf), texte);
    QVERIFY2(chrono.elapsed() < 5000, "reading must take time in proportion to the file");
}

void TestLecteurRtf::cequiNEstPasDuRtfEstRefuse_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("plain text") << QByteArray("Le bilan\r\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("the start of the header only") << QByteArray("{\\rt") << false;
    QTest::newRow("a brace and text") << QByteArray("{rtf1 x}") << false;
    QTest::newRow("blank lines before the header") << QByteArray(" \r\n\t{\\rtf1 x}") << true;
    QTest::newRow("header alone") << QByteArray("{\\rtf") << true;
    QTest::newRow("UTF-8 byte-order mark before the header") << QByteArray("\xEF\xBB\xBF {\\rtf1 x}") << true;
    QTest::newRow("a byte-order mark before plain text") << QByteArray("\xEF\xBB\xBF"
                                                                       "rtf")
                                                         << false;
}

// What is not rich text leaves the document as it was, for the caller to read it as plain text.
void TestLecteurRtf::cequiNEstPasDuRtfEstRefuse() {
    QFETCH(QByteArray, octets);
    QFETCH(bool, rtf);
    QCOMPARE(LecteurRtf::EstRtf(octets), rtf);
    QTextDocument document(QStringLiteral("avant"));
    QCOMPARE(LecteurRtf::Lire(octets, document), rtf);
    if (!rtf) QCOMPARE(document.toPlainText(), QStringLiteral("avant"));
}

// Pasted rich text: a piece without a paragraph end takes the paragraph it lands in as it is.
void TestLecteurRtf::insertionAuCurseur() {
    QTextDocument document(QStringLiteral("debut fin"));
    QTextCursor curseur(&document);
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    curseur.setBlockFormat(centre);
    curseur.setPosition(6);
    QVERIFY(LecteurRtf::Inserer("{\\rtf1\\pard\\qr {\\b gras} }", curseur));
    QCOMPARE(document.toPlainText(), QStringLiteral("debut gras fin"));
    QCOMPARE(curseur.position(), 11);
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
    QVERIFY(!LecteurRtf::Inserer("gras", curseur));
    QCOMPARE(document.toPlainText(), QStringLiteral("debut gras fin"));
}

void TestLecteurRtf::omissionsNotees_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<OmissionsRtf>("omissions");
    using O = OmissionRtf;
    QTest::newRow("text and formats only")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 "
                      "Normal;}}"
                      "{\\info{\\title t}}{\\*\\generator x}{\\*\\bkmkstart b}\\b a\\tab\\line b\\par}")
        << OmissionsRtf();
    QTest::newRow("pictures, as they are or marked optional")
        << QByteArray("{\\rtf1 a{\\pict 00}{\\*\\shppict{\\pict 01}}{\\nonshppict{\\pict 02}}}")
        << OmissionsRtf(O::Images);
    QTest::newRow("a header, a link's address, a table")
        << QByteArray("{\\rtf1{\\header x}{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt l}}"
                      "\\trowd\\cellx100\\intbl c\\cell\\row}")
        << (O::EnTetes | O::Champs | O::Tableaux);
    QTest::newRow("objects, notes and comments")
        << QByteArray("{\\rtf1 a{\\object{\\*\\objdata 0}}{\\footnote n}{\\*\\annotation c}}")
        << (O::Objets | O::Notes | O::Commentaires);
    QTest::newRow("inside a skipped destination nothing counts")
        << QByteArray("{\\rtf1 a{\\*\\unknown{\\pict 00}{\\header h}}}") << OmissionsRtf();
}

// What the editor cannot show, and would not write back, is noted; the rest of a file is not.
void TestLecteurRtf::omissionsNotees() {
    QFETCH(QByteArray, rtf);
    QFETCH(OmissionsRtf, omissions);
    QTextDocument document;
    OmissionsRtf lues(OmissionRtf::Tableaux);
    QVERIFY(LecteurRtf::Lire(rtf, document, &lues));
    QCOMPARE(lues, omissions);
}

// A long file read a slice at a time, as the editor reads it: the same paragraphs, formats and
// paragraph marks as a reading in one go.
void TestLecteurRtf::lectureParTranches() {
    QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}{\\colortbl;\\red9\\green8\\blue7;}";
    for (int i = 0; i < 6000; ++i) {
        rtf += i % 97 == 0 ? "\\pard\\qc " : i % 89 == 0 ? "\\pard " : "";
        rtf += i % 13 == 0 ? "{\\b gras}" : i % 31 == 0 ? "\\f1\\cf1 " : i % 37 == 0 ? "\\plain " : "";
        rtf += "ligne " + QByteArray::number(i) + (i % 7 == 0 ? "" : "\\par ");
    }
    rtf += "}";
    auto decrire = [](const QTextDocument& document) {
        QStringList marques;
        for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
            marques += DescriptionDocument::Caractere(bloc.charFormat(), document.defaultFont());
        return DescriptionDocument::Decrire(document) + marques.join(QString());
    };
    QTextDocument entier;
    QVERIFY(LecteurRtf::Lire(rtf, entier));
    QTextDocument document;
    LecteurRtf lecteur(rtf, document);
    int tranches = 1;
    while (!lecteur.Avancer(QDeadlineTimer(0)))
        ++tranches;
    QVERIFY(tranches > 10);
    QCOMPARE(document.blockCount(), 5143);
    QCOMPARE(decrire(document), decrire(entier));
}

QTEST_GUILESS_MAIN(TestLecteurRtf)
#include "tst_LecteurRtf.moc"
