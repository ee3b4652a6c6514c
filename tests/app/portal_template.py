'''A stand-in for the desktop portal's GlobalShortcuts, for python3-dbusmock.

CreateSession and BindShortcuts answer as the portal does: with the path of a
Request object, on which a Response signal follows a moment later (as after the
desktop's dialog). The test reads the calls back through the mock interface and
sends Activated itself.
'''

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.GlobalShortcuts'
SYSTEM_BUS = False

SESSION = '/org/freedesktop/portal/desktop/session/mock/woerterbuch'

# Runs inside the mock's method: `self` is the portal object, `args` the call's.
RESPOND = '''
from gi.repository import GLib
import dbus
self.requests = getattr(self, 'requests', 0) + 1
path = '/org/freedesktop/portal/desktop/request/mock/r%d' % self.requests
self.AddObject(path, 'org.freedesktop.portal.Request', {}, [])
# exec() keeps these names local: the function takes what it needs as defaults.
def respond(request=objects[path], results=RESULTS, dbus=dbus):
    request.EmitSignal('org.freedesktop.portal.Request', 'Response', 'ua{sv}',
                       [dbus.UInt32(0), results])
    return False
GLib.timeout_add(50, respond)
ret = dbus.ObjectPath(path)
'''


def load(mock, parameters):
    session = f"dbus.Dictionary({{'session_handle': dbus.String('{SESSION}')}}, signature='sv')"
    bound = ("dbus.Dictionary({'shortcuts': dbus.Array([dbus.Struct((args[1][0][0], "
             "dbus.Dictionary({'trigger_description': dbus.String('Ctrl+Alt+W')}, "
             "signature='sv')))], signature='(sa{sv})')}, signature='sv')")
    mock.AddMethods(MAIN_IFACE, [
        ('CreateSession', 'a{sv}', 'o', RESPOND.replace('RESULTS', session)),
        ('BindShortcuts', 'oa(sa{sv})sa{sv}', 'o', RESPOND.replace('RESULTS', bound)),
    ])
    mock.AddProperties(MAIN_IFACE, {'version': mock_uint32(1)})


def mock_uint32(value):
    import dbus
    return dbus.UInt32(value)
