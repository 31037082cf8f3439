[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"types_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<types_iUtils>
[cc.clone.struct.begin] return_type=<M::P> arg_type=<M::P>
[cc.clone.struct.field] field_name=<x> return_type=<ret(long)>
[cc.clone.struct.field] field_name=<y> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<M::P>
[cc.clone.struct.pointer.begin] return_type=<M::P> arg_type=<M::P>
[cc.clone.struct.pointer.field] field_name=<x> return_type=<ret(long)>
[cc.clone.struct.pointer.field] field_name=<y> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<M::P>
[cc.make.struct.begin] make_type=<M_P> return_type=<ret(NT_struct_fixed M::P)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<x> arg_name=<arg1>
[cc.make.struct.field] field_name=<y> arg_name=<arg2>
[cc.make.struct.end] make_type=<M_P> return_type=<ret(NT_struct_fixed M::P)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<M::P> arg_type=<M::P>
[cc.compare.struct.field] field_name=<x> return_type=<ret(long)>
[cc.compare.struct.field] field_name=<y> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<M::P>
[cc.clone.interface] interface_name=<M::Peer> return_type=<ret(NT_interface M::Peer)> arg_type=<in(NT_interface M::Peer)>
[cc.compare.interface] interface_name=<M::Peer> return_type=<ret(NT_interface M::Peer)> arg_type=<in(NT_interface M::Peer)>
[cc.clone.struct.begin] return_type=<M::Link> arg_type=<M::Link>
[cc.clone.struct.field.interface] field_name=<direct> return_type=<ret(NT_interface M::Peer)>
[cc.clone.struct.field.interface] field_name=<aliased> return_type=<ret(NT_interface M::PeerAlias)>
[cc.clone.struct.field] field_name=<name> return_type=<ret(NT_string local type)>
[cc.clone.struct.end] return_type=<ret(NT_string local type)> arg_type=<M::Link>
[cc.clone.struct.pointer.begin] return_type=<M::Link> arg_type=<M::Link>
[cc.clone.struct.pointer.field.interface] field_name=<direct> return_type=<ret(NT_interface M::Peer)>
[cc.clone.struct.pointer.field.interface] field_name=<aliased> return_type=<ret(NT_interface M::PeerAlias)>
[cc.clone.struct.pointer.field] field_name=<name> return_type=<ret(NT_string local type)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_string local type)> arg_type=<M::Link>
[cc.make.struct.begin] make_type=<M_Link> return_type=<ret(NT_struct_fixed M::Link)> arglist=<[cchh.argument] arg_type=<ret(NT_interface M::Peer)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_interface M::PeerAlias)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg3>
>
[cc.make.struct.field] field_name=<direct> arg_name=<arg1>
[cc.make.struct.field] field_name=<aliased> arg_name=<arg2>
[cc.make.struct.field] field_name=<name> arg_name=<arg3>
[cc.make.struct.end] make_type=<M_Link> return_type=<ret(NT_struct_fixed M::Link)> arglist=<[cchh.argument] arg_type=<ret(NT_interface M::Peer)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_interface M::PeerAlias)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg3>
>
[cc.compare.struct.begin] return_type=<M::Link> arg_type=<M::Link>
[cc.compare.struct.field.interface] field_name=<direct> return_type=<ret(NT_interface M::Peer)>
[cc.compare.struct.field.interface] field_name=<aliased> return_type=<ret(NT_interface M::PeerAlias)>
[cc.compare.struct.field] field_name=<name> return_type=<ret(NT_string local type)>
[cc.compare.struct.end] return_type=<ret(NT_string local type)> arg_type=<M::Link>
[cc.clone.union.begin] return_type=<M::U> arg_type=<M::U>
[cc.clone.union.field] field_name=<a> return_type=<ret(long)> discriminant_value=<1>
[cc.clone.union.field] field_name=<b> return_type=<ret(NT_string local type)> discriminant_value=<2>
[cc.clone.union.defaultfield] field_name=<c> return_type=<ret(short)>
[cc.clone.union.end] return_type=<ret(short)> arg_type=<M::U>
[cc.clone.union.pointer.begin] return_type=<M::U> arg_type=<M::U>
[cc.clone.union.pointer.field] field_name=<a> return_type=<ret(long)> discriminant_value=<1>
[cc.clone.union.pointer.field] field_name=<b> return_type=<ret(NT_string local type)> discriminant_value=<2>
[cc.clone.union.pointer.defaultfield] field_name=<c> return_type=<ret(short)>
[cc.clone.union.pointer.end] return_type=<ret(short)> arg_type=<M::U>
[cc.make.union.begin] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[cc.make.union.field] field_name=<a> arg_type=<ret(long)> discriminant_value=<1>
[cc.make.union.field] field_name=<b> arg_type=<ret(NT_string local type)> discriminant_value=<2>
[cc.make.union.defaultfield] field_name=<c> arg_type=<ret(long)>
[cc.make.union.end] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[cc.compare.union.begin] return_type=<M::U> arg_type=<M::U>
[cc.compare.union.field] field_name=<a> return_type=<ret(long)> discriminant_value=<1>
[cc.compare.union.field] field_name=<b> return_type=<ret(NT_string local type)> discriminant_value=<2>
[cc.compare.union.defaultfield] field_name=<c> return_type=<ret(short)>
[cc.compare.union.end] return_type=<ret(short)> arg_type=<M::U>
[cc.clone.union.begin] return_type=<M::Holder> arg_type=<M::Holder>
[cc.clone.union.field.interface] field_name=<p> return_type=<ret(NT_interface M::Peer)> discriminant_value=<112>
[cc.clone.union.defaultfield.interface] field_name=<q> return_type=<ret(NT_interface M::PeerAlias)>
[cc.clone.union.end] return_type=<ret(NT_interface M::PeerAlias)> arg_type=<M::Holder>
[cc.clone.union.pointer.begin] return_type=<M::Holder> arg_type=<M::Holder>
[cc.clone.union.pointer.field.interface] field_name=<p> return_type=<ret(NT_interface M::Peer)> discriminant_value=<112>
[cc.clone.union.pointer.defaultfield.interface] field_name=<q> return_type=<ret(NT_interface M::PeerAlias)>
[cc.clone.union.pointer.end] return_type=<ret(NT_interface M::PeerAlias)> arg_type=<M::Holder>
[cc.make.union.begin] make_type=<M_Holder> return_type=<ret(NT_union_fixed M::Holder)>
[cc.make.union.field] field_name=<p> arg_type=<ret(NT_interface M::Peer)> discriminant_value=<112>
[cc.make.union.defaultfield] field_name=<q> arg_type=<ret(NT_interface M::PeerAlias)>
[cc.make.union.end] make_type=<M_Holder> return_type=<ret(NT_union_fixed M::Holder)>
[cc.compare.union.begin] return_type=<M::Holder> arg_type=<M::Holder>
[cc.compare.union.field.interface] field_name=<p> return_type=<ret(NT_interface M::Peer)> discriminant_value=<112>
[cc.compare.union.defaultfield.interface] field_name=<q> return_type=<ret(NT_interface M::PeerAlias)>
[cc.compare.union.end] return_type=<ret(NT_interface M::PeerAlias)> arg_type=<M::Holder>
[cc.clone.enum] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)>
[cc.compare.enum] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)>
[cc.clone.union.begin] return_type=<M::ByColor> arg_type=<M::ByColor>
[cc.clone.union.field] field_name=<f> return_type=<ret(float)> discriminant_value=<1>
[cc.clone.union.field] field_name=<c> return_type=<ret(char)> discriminant_value=<0>
[cc.clone.union.end] return_type=<ret(char)> arg_type=<M::ByColor>
[cc.clone.union.pointer.begin] return_type=<M::ByColor> arg_type=<M::ByColor>
[cc.clone.union.pointer.field] field_name=<f> return_type=<ret(float)> discriminant_value=<1>
[cc.clone.union.pointer.field] field_name=<c> return_type=<ret(char)> discriminant_value=<0>
[cc.clone.union.pointer.end] return_type=<ret(char)> arg_type=<M::ByColor>
[cc.make.union.begin] make_type=<M_ByColor> return_type=<ret(NT_union_fixed M::ByColor)>
[cc.make.union.field] field_name=<f> arg_type=<ret(double)> discriminant_value=<1>
[cc.make.union.field] field_name=<c> arg_type=<ret(long)> discriminant_value=<0>
[cc.make.union.end] make_type=<M_ByColor> return_type=<ret(NT_union_fixed M::ByColor)>
[cc.compare.union.begin] return_type=<M::ByColor> arg_type=<M::ByColor>
[cc.compare.union.field] field_name=<f> return_type=<ret(float)> discriminant_value=<1>
[cc.compare.union.field] field_name=<c> return_type=<ret(char)> discriminant_value=<0>
[cc.compare.union.end] return_type=<ret(char)> arg_type=<M::ByColor>
[cc.class.begin] class_name=<M_Peer_i>
[cc.class.members.begin] class_name=<M_Peer_i>
[cc.class.member.begin] return_type=<> function_name=<M_Peer_i> arglist=<> class_name=<M_Peer_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_Peer_i> arglist=<> class_name=<M_Peer_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.end]
[cc.main.begin] mainclass=<types_i>
[cc.main.stubout] mainclass=<types_i>
[cc.main.end] mainclass=<types_i>
[cc.class.end]
[cc.end]
