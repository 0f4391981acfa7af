#pragma once
// The graph page's node list: ten rows "1." to "10.", each carrying the X
// and the Y parameter of its node, X and Y edited in place. Accepted values
// stay in the parameters: the page writes the whole graph at once.

#include "controls/CmyListCtrl.h"

#include <vector>

class GraphNodeList : public CmyListCtrl {
    Q_OBJECT
public:
    static constexpr int kXColumn = 1;
    static constexpr int kYColumn = 2;

    explicit GraphNodeList(QWidget* parent = nullptr);

    void SetRowParameters(int row, Parameter* x, Parameter* y);
    Parameter* XParameter(int row) const { return RowParameter(row); }
    Parameter* YParameter(int row) const;

    void AcceptEdit() override;
    void ClearRows() override;

signals:
    // A node's X or Y was edited (accepted or refused): the curve follows.
    void NodeEdited();

protected:
    Parameter* GetEditedParameter() override;

private:
    void KeepValue(int row, int column, Parameter* parameter, const QString& text);

    std::vector<Parameter*> yParameters;
};
