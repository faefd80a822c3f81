// The failure pill selection of orv_pill, for a status display written in C#, through the shared
// library's C interface (<orv/pill_c.h>). The library is found where .NET finds a native library:
// beside the application's assemblies, where Orv.Pill.csproj copies it from the install prefix or
// unpacked release archive that holds this folder (share/orv_pill/bindings/csharp), or from the
// path in the MSBuild property OrvPillLibrary; or else on the system's library path.
using System;
using System.Runtime.InteropServices;
using System.Text;

namespace Orv
{
    /// <summary>What a pill is about; the values are orv::FailKind's.</summary>
    public enum FailKind { Generic = 0, MicPermission = 1, DriverNotLoaded = 2, SteamVRNotRunning = 3, DeviceRemoved = 5 }

    /// <summary>One failure notice; an empty ActionLabel and DeepLink mean no action.</summary>
    public sealed class FailPill : IEquatable<FailPill>
    {
        /// <exception cref="ArgumentNullException">A text is null; an empty one means none.</exception>
        public FailPill(FailKind kind, string message, string actionLabel, string deepLink, bool dismissable, bool reserved)
        {
            Kind = kind;
            Message = message ?? throw new ArgumentNullException(nameof(message));
            ActionLabel = actionLabel ?? throw new ArgumentNullException(nameof(actionLabel));
            DeepLink = deepLink ?? throw new ArgumentNullException(nameof(deepLink));
            Dismissable = dismissable;
            Reserved = reserved;
        }

        public FailKind Kind { get; }
        public string Message { get; }
        public string ActionLabel { get; }
        public string DeepLink { get; }
        public bool Dismissable { get; }
        public bool Reserved { get; }

        public bool Equals(FailPill other) =>
            !ReferenceEquals(other, null) && Kind == other.Kind && Message == other.Message && ActionLabel == other.ActionLabel &&
            DeepLink == other.DeepLink && Dismissable == other.Dismissable && Reserved == other.Reserved;
        public override bool Equals(object obj) => Equals(obj as FailPill);
        public override int GetHashCode() => ((int)Kind * 31 + Message.GetHashCode()) * 31 + DeepLink.GetHashCode();
        public static bool operator ==(FailPill left, FailPill right) => ReferenceEquals(left, right) || (!ReferenceEquals(left, null) && left.Equals(right));
        public static bool operator !=(FailPill left, FailPill right) => !(left == right);
        public override string ToString() =>
            $"FailPill {{ Kind = {Kind}, Message = \"{Message}\", ActionLabel = \"{ActionLabel}\", DeepLink = \"{DeepLink}\", Dismissable = {Dismissable}, Reserved = {Reserved} }}";
    }

    public static class Pill
    {
        // orv_fail_pill_view of <orv/pill_c.h>; internal for the test, which pins its layout.
        [StructLayout(LayoutKind.Sequential)]
        internal struct View
        {
            public int Kind;
            public IntPtr Message; public UIntPtr MessageSize;
            public IntPtr ActionLabel; public UIntPtr ActionLabelSize;
            public IntPtr DeepLink; public UIntPtr DeepLinkSize;
            public byte Dismissable, Reserved;
        }

        [DllImport("orv_pill", EntryPoint = "orv_select_fail_pill", CallingConvention = CallingConvention.Cdecl)]
        private static extern int Select(byte driverLoaded, byte[] micState, UIntPtr micStateSize, IntPtr error, UIntPtr errorSize, byte steamVrRunning, out View pill);

        [DllImport("orv_pill", EntryPoint = "orv_pill_version", CallingConvention = CallingConvention.Cdecl)]
        private static extern int Version();

        /// <summary>The one pill to show, or null, by the rules of orv::selectFailPill.</summary>
        /// <exception cref="ArgumentNullException">micState is null; error may be.</exception>
        public static FailPill SelectFailPill(bool driverLoaded, string micState, string error, bool steamVrRunning)
        {
            if (micState == null) throw new ArgumentNullException(nameof(micState));
            byte[] mic = Encoding.UTF8.GetBytes(micState);
            byte[] errorBytes = error == null ? null : Encoding.UTF8.GetBytes(error);
            // Pinned until the texts are copied, since a Generic message points into it.
            GCHandle pinned = GCHandle.Alloc(errorBytes, GCHandleType.Pinned);
            try
            {
                IntPtr errorPointer = errorBytes == null ? IntPtr.Zero : pinned.AddrOfPinnedObject();
                int result = Select(driverLoaded ? (byte)1 : (byte)0, mic, (UIntPtr)mic.Length, errorPointer,
                                    (UIntPtr)(errorBytes?.Length ?? 0), steamVrRunning ? (byte)1 : (byte)0, out View view);
                if (result == 0) return null;
                if (result != 1) throw new InvalidOperationException($"orv_select_fail_pill returned {result}");
                return new FailPill((FailKind)view.Kind, Text(view.Message, view.MessageSize), Text(view.ActionLabel, view.ActionLabelSize),
                                    Text(view.DeepLink, view.DeepLinkSize), view.Dismissable != 0, view.Reserved != 0);
            }
            finally
            {
                pinned.Free();
            }
        }

        /// <summary>The version of the library that answers, as "major.minor.patch".</summary>
        public static string LibraryVersion
        {
            get { int number = Version(); return $"{number / 10000}.{number / 100 % 100}.{number % 100}"; }
        }

        private static string Text(IntPtr bytes, UIntPtr size)
        {
            var copy = new byte[(int)size];
            Marshal.Copy(bytes, copy, 0, copy.Length);
            return Encoding.UTF8.GetString(copy);
        }
    }
}
