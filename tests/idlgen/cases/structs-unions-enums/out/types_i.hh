[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"types_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<types_iUtils>
[hh.include.idl] idl_basename=<types>
[hh.clone] return_type=<M::P> arg_type=<M::P> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::P> arg_type=<M::P> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<M_P> return_type=<ret(NT_struct_fixed M::P)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[hh.compare] return_type=<M::P> arg_type=<M::P> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface M::Peer)> arg_type=<in(NT_interface M::Peer)> interface_name=<M::Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface M::Peer)> arg_type=<in(NT_interface M::Peer)> interface_name=<M::Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::Link> arg_type=<M::Link> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Link> arg_type=<M::Link> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<M_Link> return_type=<ret(NT_struct_fixed M::Link)> arglist=<[cchh.argument] arg_type=<ret(NT_interface M::Peer)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_interface M::PeerAlias)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg3>
>
[hh.compare] return_type=<M::Link> arg_type=<M::Link> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::U> arg_type=<M::U> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::U> arg_type=<M::U> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.union] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[hh.compare] return_type=<M::U> arg_type=<M::U> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::Holder> arg_type=<M::Holder> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Holder> arg_type=<M::Holder> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.union] make_type=<M_Holder> return_type=<ret(NT_union_fixed M::Holder)>
[hh.compare] return_type=<M::Holder> arg_type=<M::Holder> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::ByColor> arg_type=<M::ByColor> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::ByColor> arg_type=<M::ByColor> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.union] make_type=<M_ByColor> return_type=<ret(NT_union_fixed M::ByColor)>
[hh.compare] return_type=<M::ByColor> arg_type=<M::ByColor> interface_name=<M.Peer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_Peer_i>
[hh.class.members.begin] class_name=<M_Peer_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_Peer_i> class_name=<M_Peer_i>
[hh.class.member.end] class_name=<M_Peer_i>
[hh.class.end] class_name=<M_Peer_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
