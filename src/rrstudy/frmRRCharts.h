#pragma once

#include "rrstudy/GageChartPage.h"

#include <QWidget>

class GageChartScene;
class QComboBox;
class QGraphicsView;
class QLabel;
class QPushButton;
class QScrollArea;
class TextTableView;
struct StudyInformation;

// The charts and ANOVA of one feature, beside the study window: the six charts, the
// ANOVA, variance-component and distinct-category tables (selectable, copied
// tab-separated), the study variation and removal level, printing and saving the page
// as PNG or PDF. Non-modal; the study window points it at the feature selected in its
// tree.
class frmRRCharts : public QWidget
{
    Q_OBJECT

public:
    frmRRCharts(const Study& study, const StudyInformation& information, QWidget* parent = nullptr);

    // Shows feature `number` (from 1) of the study as it now stands.
    void showFeature(int number);
    int feature() const { return m_feature; }
    const GageChartPage& page() const { return m_page; }

private slots:
    void cmdPrint_Click();
    void cmdSave_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    GageAnovaOptions options() const;
    void fitCharts();
    // Each returns why the file could not be written; empty when it was.
    QString savePdf(const QString& path);
    QString savePng(const QString& path);

    const Study& m_study;
    const StudyInformation& m_information;
    int m_feature = 0;
    GageChartPage m_page;

    QLabel* lblFeature;
    QLabel* lblSummary;
    GageChartScene* m_scene;
    QGraphicsView* chartView;
    QScrollArea* m_tablesScroll;
    QWidget* m_tablesPanel;
    QList<QLabel*> m_tableTitles;
    QList<TextTableView*> m_tables;
    QComboBox* cmbStudyVariation;
    QComboBox* cmbRemovalLevel;
    QPushButton* cmdPrint;
    QPushButton* cmdSave;
    QPushButton* cmdClose;
};
