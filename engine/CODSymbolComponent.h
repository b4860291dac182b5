#pragma once

#include "engine/CODComponent.h"
#include "engine/CODConnection.h"
#include "engine/CODResourceModule.h"

#include <string>
#include <utility>
#include <vector>

class CODCirclePort;
class CODLabelComponent;
class CODPortComponent;

// A composite component with connection points (ports), labels and the
// connections that tie its ports to other symbols' ports. Its region, the
// union of its children's outlines, is what hit tests and link ends use.
// The centre port sits at the centre of the bounds and takes links only
// while the symbol has no other ports.
class CODSymbolComponent : public CODComponent {
public:
    CODSymbolComponent();
    ~CODSymbolComponent() override;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // After loading: gives each symbol the connections it listed, once every
    // connection is known to join ports of two symbols of one tree that both
    // list it (one symbol twice for a connection between its own ports).
    // False, with nothing joined, otherwise.
    static bool JoinConnections(const std::vector<std::pair<CODSymbolComponent*, CODConnection*>>& listed);
    // Centre port at (0, 0), named "Symbol".
    bool Create();
    // The components become children in order; named "Component".
    bool Create(const std::vector<CODComponent*>& components);

    // Loads the symbol body stored as resource (type "Symbol") of the module;
    // a step of the loader that fails is reported by its name ("FindResource()"
    // and the like) and gives false, as does a damaged body.
    bool Create(std::uint32_t nResourceId, const CODResourceModule& module = CODResourceModule::Program());
    // Appends a port that has no owner yet and takes a reference on it.
    bool AddPort(CODPortComponent* pPort);
    // Disconnects the port first, so no connection is left holding it.
    bool RemovePort(int nIndex);
    int GetOwnPortCount() const { return static_cast<int>(m_ports.size()); }
    // Own ports, then those of the child symbols in child order.
    int GetPortCount() const;
    CODPortComponent* GetPort(int nIndex) const;
    CODCirclePort* GetCentrePort() const { return m_pCentrePort; }
    void SetPortsVisible(int bVisible);
    // Property 80 of the centre port.
    void EnableCentrePort(bool bEnable);
    // The nearest accepting port whose bounds, grown by the tolerance, hold
    // the point; the centre port for a point inside the symbol that no port
    // takes; else the first child symbol's answer.
    CODPortComponent* FindPortAt(const CPoint& point, int nTolerance) const;

    // Appends the label, takes a reference and adds it to this symbol's
    // parent when the parent does not hold it yet.
    bool AddLabel(CODLabelComponent* pLabel);
    // A label with the text sized to it, placed by the orientation code and
    // following this symbol.
    CODLabelComponent* AddLabel(const std::string& strText, int nOrientation, CDC* pDC);
    bool RemoveLabel(CODLabelComponent* pLabel);
    bool RemoveLabel(int nIndex);
    int GetLabelCount() const { return static_cast<int>(m_labels.size()); }
    CODLabelComponent* GetLabel(int nIndex) const;
    // Sets the label's top-left by its orientation property 60 in the bounds.
    virtual void PlaceLabel(CODLabelComponent* pLabel);

    // Joins a port of this symbol (or of a child symbol) to another port;
    // none when the ports are the same, already joined in this order, or
    // either owner refuses.
    CODConnection* Connect(CODPortComponent* pPort, CODPortComponent* pOther);
    // Removes the connection between the two ports, in either order.
    bool Disconnect(CODPortComponent* pPort, CODPortComponent* pOther);
    // Own connections and those of the child symbols, each once.
    std::vector<CODConnection*> GetConnections() const;
    const std::vector<CODConnection*>& GetOwnConnections() const { return m_connections; }
    CODConnection* GetConnection(const CODPortComponent* pPort, const CODPortComponent* pOther) const;
    // The end of the connection on this symbol or a descendant, and the other.
    CODPortComponent* GetEnd(const CODConnection* pConnection) const;
    CODPortComponent* GetOtherEnd(const CODConnection* pConnection) const;
    // An own port that accepts connections (property 80 absent or true).
    virtual bool CanConnect(const CODPortComponent* pPort, const CODPortComponent* pOther) const;

    // Hooks: a connection made or removed at one of the ports, news from the
    // far end of a connection.
    virtual void OnConnect(CODConnection* pConnection);
    virtual void OnDisconnect(CODConnection* pConnection);
    virtual void OnConnectionNotify(CODConnection* pConnection, const CODConnection::Notification& notification);

    // Where the segment from one point toward the other last leaves the
    // region; the first point when it never crosses the outline.
    CPoint GetOutlinePoint(const CPoint& from, const CPoint& toward) const;

    // Moving, turning or scaling takes the labels along and tells every
    // connection.
    void Translate(int dx, int dy) override;
    void Rotate(float fAngle, float cx, float cy, int nWidth, int nHeight) override;
    void Scale(float sx, float sy, float cx, float cy) override;
    // Children, ports, then the centre port to the centre of the region.
    void UpdateBounds(CDC* pDC = nullptr) override;
    void BuildBoundsRegion() override;
    void OnDraw(CDC* pDC) override;
    void OnChildAdded(CODComponent* pChild) override;
    bool RemoveChild(int nIndex) override;
    // The labels join and leave the parent with the symbol.
    void OnAttach(CODComponent* pParent) override;
    void OnDetach() override;

protected:
    CODSymbolComponent(const CODSymbolComponent& other);
    bool IsOwnPort(const CODPortComponent* pPort) const;
    void NotifyConnections(const std::vector<CODConnection*>& connections);
    // Puts every following label (property 270) back in place.
    void PlaceFollowingLabels();

private:
    // The centre port takes links exactly while there are no ports.
    void UpdateCentrePort();
    bool BelongsHere(const CODPortComponent* pPort) const;
    // Takes the connection out of both symbols' arrays, tells each one but
    // pSkip, and releases it.
    static void DetachConnection(CODConnection* pConnection, const CODSymbolComponent* pSkip);
    void TakeOwnership(CODPortComponent* pPort);

    std::vector<CODPortComponent*> m_ports;
    CODCirclePort* m_pCentrePort = nullptr;
    std::vector<CODConnection*> m_connections;
    std::vector<CODLabelComponent*> m_labels;
};
