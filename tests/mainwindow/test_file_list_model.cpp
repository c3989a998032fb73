#include <QAbstractItemModelTester>
#include <QtTest>

#include "mainwindow/file_list_model.h"

// The file list keeps the rules of an item model through each change the window makes.
class TestFileListModel : public QObject {
  Q_OBJECT
 private slots:
  void keepsTheModelRules() {
    velmora::catalogue::PathList files;
    for (const char* p : {"/f/a.jpg", "/f/b\xFF.png", "/f/sub/c.txt"}) files.push_back(p);
    velmora::mainwindow::FileListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetFiles(&files);
    model.SetRows({2, 0});
    QCOMPARE(model.data(model.index(1), Qt::DisplayRole).toString(), QString("/f/a.jpg"));
    model.SetRows({});
    model.SetFiles(&files);
    model.Clear();
    QCOMPARE(model.rowCount(), 0);
  }
};

QTEST_MAIN(TestFileListModel)
#include "test_file_list_model.moc"
