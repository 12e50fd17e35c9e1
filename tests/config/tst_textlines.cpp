#include "config/errors.h"
#include "config/textlines.h"
#include "workdir.h"

#include <QtTest>

using namespace zok;

class TextLinesTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(contains("abc", "b")); }
};

QTEST_GUILESS_MAIN(TextLinesTest)
#include "tst_textlines.moc"
