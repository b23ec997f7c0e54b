#include "win32/sound.h"

// clang-format off: the audio headers need the COM types first.
#include <audiopolicy.h>
#include <mmdeviceapi.h>
#include <objbase.h>
// clang-format on

#include <utility>

#include "version_info.h"
#include "win32/diagnostics.h"

// A session's peak meter (Windows 7); MinGW's endpointvolume.h names it only.
MIDL_INTERFACE("C02216F6-8C67-4B5B-9D00-D008E73E0064")
IAudioMeterInformation : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT * count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 count, float* peaks) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD * support) = 0;
};
__CRT_UUID_DECL(IAudioMeterInformation, 0xC02216F6, 0x8C67, 0x4B5B, 0x9D, 0x00, 0xD0, 0x08, 0xE7,
                0x3E, 0x00, 0x64)

namespace bw::win32 {
namespace {

// Posted by the listener when it has news, once until the window takes it.
constexpr UINT kSoundMessage = WM_APP;
constexpr const char* kSoundWindowClass = BLINKWARD_NAME "Sound";
// The news, as bits: a session changed its state; sessions came or went;
// devices came or went.
constexpr LONG kStateChanged = 1, kSessionsChanged = 2, kDevicesChanged = 4;
constexpr WORD kWindows7 = 0x0601;

// ole32's entry points, from the DLL loaded when the sound is first listened to.
decltype(&CoInitializeEx) initialize = nullptr;
decltype(&CoUninitialize) uninitialize = nullptr;
decltype(&CoCreateInstance) create = nullptr;

template <typename T>
void ReleaseInterface(T* object) {
  object->Release();
}
template <typename T>
using Com = Unique<T*, ReleaseInterface<T>>;

// Keeps a multithreaded apartment in the process until stop is set: the
// session manager delivers its notifications only into one.
DWORD WINAPI HoldApartment(void* stop) {
  const HRESULT started = initialize(nullptr, COINIT_MULTITHREADED);
  WaitForSingleObject(stop, INFINITE);
  if (SUCCEEDED(started)) uninitialize();
  return 0;
}

}  // namespace

// Told of the audio system's changes on the system's threads: it only notes
// them and posts, which is all a thread but the window's may do here.
class Sound::Listener final : public IAudioSessionNotification,
                              public IAudioSessionEvents,
                              public IMMNotificationClient {
 public:
  explicit Listener(HWND window) : window_(window) {}
  LONG Take() { return InterlockedExchange(&news_, 0); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == __uuidof(IUnknown) || id == __uuidof(IAudioSessionNotification)) {
      *object = static_cast<IAudioSessionNotification*>(this);
    } else if (id == __uuidof(IAudioSessionEvents)) {
      *object = static_cast<IAudioSessionEvents*>(this);
    } else if (id == __uuidof(IMMNotificationClient)) {
      *object = static_cast<IMMNotificationClient*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE OnSessionCreated(IAudioSessionControl*) override {
    return Post(kSessionsChanged);
  }
  // An expired session has no stream left: it is let go.
  HRESULT STDMETHODCALLTYPE OnStateChanged(AudioSessionState state) override {
    return Post(state == AudioSessionStateExpired ? kSessionsChanged : kStateChanged);
  }
  HRESULT STDMETHODCALLTYPE OnSessionDisconnected(AudioSessionDisconnectReason) override {
    return Post(kSessionsChanged);
  }
  HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override {
    return Post(kDevicesChanged);
  }
  HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return Post(kDevicesChanged); }
  HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return Post(kDevicesChanged); }
  // Names, icons, volumes, the default device: nothing the sound's hold asks.
  HRESULT STDMETHODCALLTYPE OnDisplayNameChanged(LPCWSTR, LPCGUID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnIconPathChanged(LPCWSTR, LPCGUID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnSimpleVolumeChanged(float, BOOL, LPCGUID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnChannelVolumeChanged(DWORD, float*, DWORD, LPCGUID) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnGroupingParamChanged(LPCGUID, LPCGUID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow, ERole, LPCWSTR) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override {
    return S_OK;
  }

 private:
  ~Listener() = default;
  HRESULT Post(LONG news) {
    if (InterlockedOr(&news_, news) == 0) PostMessageA(window_, kSoundMessage, 0, 0);
    return S_OK;
  }

  const HWND window_;
  LONG references_ = 1;
  LONG news_ = 0;
};

// A session followed: its control, its meter where it has one, its program.
struct Sound::Session {
  Com<IAudioSessionControl> control;
  Com<IAudioMeterInformation> meter;
  std::uint32_t processId;
  std::string file;
};

// Each registration is taken back before the listener goes, and the
// apartment's thread last.
struct Sound::Audio {
  ~Audio() {
    DropSessions();
    for (const Com<IAudioSessionManager2>& manager : managers) {
      manager.Get()->UnregisterSessionNotification(listener.Get());
    }
    if (devices) devices.Get()->UnregisterEndpointNotificationCallback(listener.Get());
    managers.clear();
    devices.Reset();
    listener.Reset();
    SetEvent(stop.Get());
    WaitForSingleObject(apartment.Get(), INFINITE);
  }
  void DropSessions() {
    for (const Session& session : sessions) {
      session.control.Get()->UnregisterAudioSessionNotification(listener.Get());
    }
    sessions.clear();
  }

  UniqueKernelHandle stop, apartment;
  Com<Listener> listener;
  Com<IMMDeviceEnumerator> devices;
  std::vector<Com<IAudioSessionManager2>> managers;
  std::vector<Session> sessions;
};

Sound::Sound(ProgramsPort& programs) : programs_(programs) {
  const WORD version = LOWORD(GetVersion());
  hasSessions_ = (LOBYTE(version) << 8 | HIBYTE(version)) >= kWindows7;
}

Sound::~Sound() {
  audio_.reset();
  if (comStarted_) uninitialize();
  if (hwnd()) DestroyWindow(hwnd());
}

bool Sound::Succeeded(const char* call, long result) {
  if (SUCCEEDED(result)) return true;
  if (!refusalWritten_) ReportFailure(call, static_cast<unsigned long>(result));
  refusalWritten_ = true;
  return false;
}

// COM in this thread's own apartment, as a window's thread has it, and the
// window the listener posts to.
bool Sound::StartCom() {
  if (!ole_) {
    ole_.Reset(Reported("LoadLibrary(ole32)", LoadLibraryA("ole32.dll")));
    if (!ole_) return false;
    const auto entry = [&](const char* name) {
      return reinterpret_cast<void*>(GetProcAddress(ole_.Get(), name));
    };
    initialize = reinterpret_cast<decltype(initialize)>(entry("CoInitializeEx"));
    uninitialize = reinterpret_cast<decltype(uninitialize)>(entry("CoUninitialize"));
    create = reinterpret_cast<decltype(create)>(entry("CoCreateInstance"));
    comStarted_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
  }
  if (hwnd()) return true;
  return CreateMessageWindow(kSoundWindowClass, *this);
}

// The thread that keeps the multithreaded apartment runs before anything
// is registered: the session manager's notifications come into that apartment.
void Sound::Listen(bool on) {
  if (!on) return audio_.reset();
  if (audio_ || !StartCom()) return;
  audio_ = std::make_unique<Audio>();
  Audio& audio = *audio_;
  audio.stop.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  audio.apartment.Reset(CreateThread(nullptr, 0, HoldApartment, audio.stop.Get(), 0, nullptr));
  audio.listener.Reset(new Listener(hwnd()));
  if (OpenDevices()) ListSessions();
}

// The listener is registered with the devices, and with each active output
// device's session manager; false when the devices cannot be asked.
bool Sound::OpenDevices() {
  Audio& audio = *audio_;
  IMMDeviceEnumerator* devices = nullptr;
  if (!Succeeded("CoCreateInstance(MMDeviceEnumerator)",
                 create(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                        __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&devices)))) {
    return false;
  }
  audio.devices.Reset(devices);
  Succeeded("IMMDeviceEnumerator::RegisterEndpointNotificationCallback",
            devices->RegisterEndpointNotificationCallback(audio.listener.Get()));
  IMMDeviceCollection* outputs = nullptr;
  if (!Succeeded("IMMDeviceEnumerator::EnumAudioEndpoints",
                 devices->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &outputs))) {
    return false;
  }
  const Com<IMMDeviceCollection> heldOutputs(outputs);
  UINT count = 0;
  outputs->GetCount(&count);
  for (UINT k = 0; k < count; ++k) {
    IMMDevice* device = nullptr;
    if (FAILED(outputs->Item(k, &device))) continue;
    const Com<IMMDevice> heldDevice(device);
    IAudioSessionManager2* manager = nullptr;
    if (!Succeeded("IMMDevice::Activate(IAudioSessionManager2)",
                   device->Activate(__uuidof(IAudioSessionManager2), CLSCTX_INPROC_SERVER, nullptr,
                                    reinterpret_cast<void**>(&manager)))) {
      continue;
    }
    audio.managers.emplace_back(manager);
    Succeeded("IAudioSessionManager2::RegisterSessionNotification",
              manager->RegisterSessionNotification(audio.listener.Get()));
  }
  return true;
}

// The programs' own sessions: not Blinkward's, nor the system's sounds, nor
// one that has no stream left. Counting a manager's sessions is what starts
// its notifications. A session without a meter is judged by its state alone.
void Sound::ListSessions() {
  Audio& audio = *audio_;
  audio.DropSessions();
  for (const Com<IAudioSessionManager2>& manager : audio.managers) {
    IAudioSessionEnumerator* list = nullptr;
    if (!Succeeded("IAudioSessionManager2::GetSessionEnumerator",
                   manager.Get()->GetSessionEnumerator(&list))) {
      continue;
    }
    const Com<IAudioSessionEnumerator> heldList(list);
    int count = 0;
    list->GetCount(&count);
    for (int k = 0; k < count; ++k) {
      IAudioSessionControl* control = nullptr;
      if (SUCCEEDED(list->GetSession(k, &control))) Track(control);
    }
  }
}

void Sound::Track(IAudioSessionControl* session) {
  Com<IAudioSessionControl> control(session);
  IAudioSessionControl2* described = nullptr;
  if (FAILED(control.Get()->QueryInterface(__uuidof(IAudioSessionControl2),
                                           reinterpret_cast<void**>(&described)))) {
    return;
  }
  const Com<IAudioSessionControl2> heldDescribed(described);
  DWORD processId = 0;
  AudioSessionState state = AudioSessionStateExpired;
  if (described->IsSystemSoundsSession() == S_OK || FAILED(described->GetProcessId(&processId)) ||
      processId == GetCurrentProcessId() || FAILED(control.Get()->GetState(&state)) ||
      state == AudioSessionStateExpired) {
    return;
  }
  std::string file = programs_.ProcessFile(processId);
  if (file.empty() ||
      FAILED(control.Get()->RegisterAudioSessionNotification(audio_->listener.Get()))) {
    return;
  }
  IAudioMeterInformation* meter = nullptr;
  control.Get()->QueryInterface(__uuidof(IAudioMeterInformation), reinterpret_cast<void**>(&meter));
  audio_->sessions.push_back(
      {std::move(control), Com<IAudioMeterInformation>(meter), processId, std::move(file)});
}

std::vector<SoundSession> Sound::Sessions() {
  std::vector<SoundSession> now;
  if (!audio_) return now;
  for (const Session& session : audio_->sessions) {
    AudioSessionState state = AudioSessionStateInactive;
    session.control.Get()->GetState(&state);
    const bool active = state == AudioSessionStateActive;
    float peak = 0;
    if (active && session.meter) session.meter.Get()->GetPeakValue(&peak);
    now.push_back({session.processId, session.file, active, bool(session.meter), peak});
  }
  return now;
}

// Devices that came or went are found anew; so are sessions that came or
// went. Then the program looks at the sessions.
LRESULT Sound::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSoundMessage) return DefWindowProcA(hwnd(), message, wParam, lParam);
  const LONG news = audio_ ? audio_->listener.Get()->Take() : 0;
  if (news & kDevicesChanged) {
    audio_.reset();
    Listen(true);
  } else if (news & kSessionsChanged) {
    ListSessions();
  }
  if (news && events_) events_->OnSoundChanged();
  return 0;
}

}  // namespace bw::win32
