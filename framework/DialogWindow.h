// The Qt window of a CDialog: turns close, keys, context requests, painting and minimising into messages.
#pragma once

#include <QDialog>

class CDialog;

class DialogWindow final : public QDialog {
public:
  DialogWindow(CDialog& owner, QWidget* parent, Qt::WindowFlags flags);

protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  CDialog& m_owner;
};
