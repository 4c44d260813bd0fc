#pragma once

#include <QAbstractItemModel>
#include <QObject>

#include <functional>
#include <utility>

namespace quorin {

// A redraw that follows the cells a grid shows. A command changes many cells
// at once (Open, Paste, Generate Default Waves): the redraw runs once, when the
// command is over and before the view is painted again (a paint request waits
// behind the queued call).
class QueuedRefresh {
public:
    // The call is queued on `context` and dropped with it.
    QueuedRefresh(QObject* context, std::function<void()> refresh)
        : context_(context)
        , refresh_(std::move(refresh))
    {
    }
    // The model may outlive it (a window's grid is destroyed after the window's members).
    ~QueuedRefresh() { QObject::disconnect(following_); }
    QueuedRefresh(const QueuedRefresh&) = delete;
    QueuedRefresh& operator=(const QueuedRefresh&) = delete;

    // Every change of a shown text of `model` asks for the redraw.
    void follow(const QAbstractItemModel* model)
    {
        following_ = QObject::connect(model, &QAbstractItemModel::dataChanged, context_,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    schedule();
            });
    }

    void schedule()
    {
        if (std::exchange(pending_, true))
            return;
        QMetaObject::invokeMethod(
            context_,
            [this] {
                pending_ = false;
                refresh_();
            },
            Qt::QueuedConnection);
    }

private:
    QObject* context_;
    std::function<void()> refresh_;
    bool pending_ = false;
    QMetaObject::Connection following_;
};

} // namespace quorin
